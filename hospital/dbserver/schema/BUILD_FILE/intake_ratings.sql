-- The rating scales of the intake sheet's social-functioning and
-- environment assessments; the sheet lists them as "id. name".
CREATE TABLE BUILD_FILE.tbcoPWOTypesSocialInteract (
    id     INT          NOT NULL PRIMARY KEY,
    types  VARCHAR(50)  COLLATE HOSPITAL NOT NULL
);

CREATE TABLE BUILD_FILE.tbcoPWOSeverityIndex (
    id    INT          NOT NULL PRIMARY KEY,
    type  VARCHAR(50)  COLLATE HOSPITAL NOT NULL
);

CREATE TABLE BUILD_FILE.tbcoPWODurationIndex (
    id    INT          NOT NULL PRIMARY KEY,
    type  VARCHAR(50)  COLLATE HOSPITAL NOT NULL
);

CREATE TABLE BUILD_FILE.tbcoPWOCopingIndex (
    id    INT          NOT NULL PRIMARY KEY,
    type  VARCHAR(50)  COLLATE HOSPITAL NOT NULL
);
