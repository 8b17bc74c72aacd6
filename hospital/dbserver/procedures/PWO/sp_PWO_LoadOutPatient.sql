-- parameters: @HospNum varchar(20), @LastName varchar(50), @IdNum varchar(20), @FirstName varchar(50), @MiddleName varchar(50)
-- The out-patient visits of every class for the patient list. Each argument
-- is a prefix, an empty one matches all, and a typed apostrophe arrives as a
-- backtick.
-- Only the arm whose guard holds runs: it starts from the index of the most
-- telling argument given. The outer WHERE checks all arguments with OR terms,
-- which no index can serve, so they do not steer the plan. char(65535) ends a
-- prefix range: under HOSPITAL it sorts after every continuation of a prefix.
WITH visitByStay AS NOT MATERIALIZED (SELECT * FROM PATIENT_DATA.vwListVisitByStay),
     visitByPatient AS NOT MATERIALIZED (SELECT * FROM PATIENT_DATA.vwListVisitByPatient)
SELECT IDNUM, HospNum, AdmDate, LastName, FirstName, MiddleName, RoomID, PWO,
       substr(ifnull(', ' || HouseStreet, '') || ifnull(', ' || Barangay, '') || ifnull(', ' || Municipality, '')
              || ifnull(', ' || Province, ''), 3) AS Address,
       dcrdate, NULL AS BillingDate, ERNum
  FROM (SELECT * FROM visitByStay
         WHERE @IdNum <> '' AND IDNUM >= @IdNum AND IDNUM < @IdNum || char(65535)
        UNION ALL
        SELECT * FROM visitByStay
         WHERE @IdNum = '' AND @HospNum <> '' AND HospNum >= @HospNum AND HospNum < @HospNum || char(65535)
        UNION ALL
        SELECT * FROM visitByPatient
         WHERE @IdNum = '' AND @HospNum = '' AND @LastName <> ''
           AND LastName >= replace(@LastName, '`', '''') AND LastName < replace(@LastName, '`', '''') || char(65535)
        UNION ALL
        SELECT * FROM visitByPatient
         WHERE @IdNum = '' AND @HospNum = '' AND @LastName = '' AND @FirstName <> ''
           AND FirstName >= @FirstName AND FirstName < @FirstName || char(65535)
        UNION ALL
        SELECT * FROM visitByStay
         WHERE @IdNum = '' AND @HospNum = '' AND @LastName = '' AND @FirstName = '')
 WHERE (@IdNum = '' OR IDNUM >= @IdNum AND IDNUM < @IdNum || char(65535))
   AND (@HospNum = '' OR HospNum >= @HospNum AND HospNum < @HospNum || char(65535))
   AND (@LastName = '' OR LastName >= replace(@LastName, '`', '''')
                          AND LastName < replace(@LastName, '`', '''') || char(65535))
   AND (@FirstName = '' OR FirstName >= @FirstName AND FirstName < @FirstName || char(65535))
   AND (@MiddleName = '' OR MiddleName >= @MiddleName AND MiddleName < @MiddleName || char(65535))
 ORDER BY LastName, FirstName, MiddleName, IDNUM;
