-- parameters: none
-- How many referrals from the medical team wait for the office's answer.
SELECT count(*) AS recCount
  FROM PWO.tbPWOReferral
 WHERE Status = 'P';
