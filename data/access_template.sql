-- The empty access file "NOCALL_kovex.mdb" that every save copies and fills
-- with one case for the regulator. Keys and counts are INTEGER, measured
-- values REAL, yes/no columns INTEGER holding 0 or 1, everything else TEXT.
-- A column the program leaves unset holds NULL.
--
-- Built by tools/mkschemadb: statements end with ";" and hold no ";" inside.

-- The applicant.
CREATE TABLE "File1Table" (
    "File1PK" INTEGER PRIMARY KEY,
    "AA01NameApplicant" TEXT,
    "AA02AddressApplicant" TEXT,
    "AA03ZipCodeApplicant" TEXT,
    "AA03CityApplicant" TEXT,
    "AA04NameContactApplicant" TEXT,
    "AA05TelContactApplicant" TEXT,
    "AA06EmailContactApplicant" TEXT,
    "AA07RefApplicant" TEXT,
    "AA08RefBIPTApplicant" TEXT,
    "AA09InfoApplicant" TEXT,
    "AA10ReceiptAttestAntennasDescription" TEXT
);

-- How the site is used and whether others share it.
CREATE TABLE "File2Table" (
    "File2PK" INTEGER PRIMARY KEY,
    "BI01SiteDescription" TEXT,
    "BS01SiteShareable" INTEGER CHECK ("BS01SiteShareable" IN (0, 1)),
    "AO01OtherExploitant" TEXT,
    "AO02OtherExploitant" TEXT,
    "AO03OtherExploitant" TEXT,
    "AO04OtherExploitant" TEXT,
    "AO05OtherExploitant" TEXT,
    "AO06OtherExploitant" TEXT,
    "AO07OtherExploitant" TEXT,
    "AO08OtherExploitant" TEXT
);

-- The owner of the site and where the antennas stand; coordinates in whole
-- degrees, minutes and seconds, or whole Lambert metres.
CREATE TABLE "File3Table" (
    "File3PK" INTEGER PRIMARY KEY,
    "ES01NameOwnerSite" TEXT,
    "ES02AddressOwnerSite" TEXT,
    "ES03ZipCodeOwnerSite" TEXT,
    "ES03CityOwnerSite" TEXT,
    "ES04TelephoneOwnerSite" TEXT,
    "ES05InfoOwnerSite" TEXT,
    "LS01DescriptionLocationSite" TEXT,
    "LS02AddressSite" TEXT,
    "LS03ZipCodeSite" TEXT,
    "LS03CitySite" TEXT,
    "LS04XCoordinateSiteDeg" INTEGER,
    "LS04XCoordinateSiteMin" INTEGER,
    "LS04XCoordinateSiteSec" INTEGER,
    "LS05YCoordinateSiteDeg" INTEGER,
    "LS05YCoordinateSiteMin" INTEGER,
    "LS05YCoordinateSiteSec" INTEGER,
    "LS06InfoSite" TEXT,
    "AS04SiteExists" INTEGER CHECK ("AS04SiteExists" IN (0, 1)),
    "AS05InfoSituationSite" TEXT,
    "LS07XLambertCoordinates" INTEGER,
    "LS07YLambertCoordinates" INTEGER
);

-- The services on the site.
CREATE TABLE "File4Table" (
    "File4PK" INTEGER PRIMARY KEY,
    "ST01GSM900" INTEGER CHECK ("ST01GSM900" IN (0, 1)),
    "ST01GSM1800" INTEGER CHECK ("ST01GSM1800" IN (0, 1)),
    "ST01UMTS" INTEGER CHECK ("ST01UMTS" IN (0, 1)),
    "ST01PMR" INTEGER CHECK ("ST01PMR" IN (0, 1)),
    "ST01WLL" INTEGER CHECK ("ST01WLL" IN (0, 1)),
    "ST01FMBroadcast" INTEGER CHECK ("ST01FMBroadcast" IN (0, 1)),
    "ST01TVBroadcast" INTEGER CHECK ("ST01TVBroadcast" IN (0, 1)),
    "ST01FX" INTEGER CHECK ("ST01FX" IN (0, 1)),
    "ST01TETRA" INTEGER CHECK ("ST01TETRA" IN (0, 1)),
    "ST01Other10MHHz10GHz" TEXT,
    "ST01Outside10MHz10GHz" TEXT,
    "ST01ERMES" INTEGER CHECK ("ST01ERMES" IN (0, 1))
);

-- One row per antenna of the case.
CREATE TABLE "File4BTable" (
    "AntennaPK" INTEGER PRIMARY KEY,
    "FileFK" INTEGER,
    "AntennaNr" INTEGER,
    "DefaultAntennaFK" INTEGER,
    "AntennaName" TEXT,
    "AntennaType" TEXT,
    "AntennaPositionHeight" REAL,
    "AntennaAzimut" INTEGER,
    "AntennaTilt" REAL,
    "AntennaElectricalTilt" REAL,
    "AntennaMechanicalTilt" REAL,
    "AntennaEntryPowerdBm" REAL,
    "AntennaFrequency" REAL,
    "AntennaHorizontalOpening" REAL,
    "AntennaVerticalOpening" REAL,
    "AntennaFromFrequency" REAL,
    "AntennaToFrequency" REAL,
    "AntennaGaindB" REAL,
    "AntennaGainRef" TEXT,
    "AntennaEIRPdBW" REAL,
    "AntennaPolarization" TEXT,
    "AntennaNumberOfTransmitters" INTEGER,
    "AntennaDefaultTxPowerdBm" REAL,
    "PagingAntenna" INTEGER CHECK ("PagingAntenna" IN (0, 1)),
    "AIRAntenna" INTEGER CHECK ("AIRAntenna" IN (0, 1)),
    "CeilingOrHorizonMounted" INTEGER CHECK ("CeilingOrHorizonMounted" IN (0, 1)),
    "InverseMounted" INTEGER CHECK ("InverseMounted" IN (0, 1))
);

-- The test points as a whole.
CREATE TABLE "File5Table" (
    "File5PK" INTEGER PRIMARY KEY
);

-- One row per test point.
CREATE TABLE "File5BTable" (
    "PointPK" INTEGER PRIMARY KEY,
    "FileFK" INTEGER,
    "PointNr" INTEGER,
    "PointDescription" TEXT,
    "PointHeight" REAL,
    "MeasuredFieldApplicant" REAL,
    "AttenuationdB" REAL,
    "CanadianCalculation" INTEGER CHECK ("CanadianCalculation" IN (0, 1)),
    "AttenuationTypeFK" INTEGER
);

-- Where the test points lie on a plan of the site; the program leaves this
-- table as it is here.
CREATE TABLE "File5BPlanPositionTable" (
    "PlanPositionPK" INTEGER PRIMARY KEY,
    "FileFK" INTEGER,
    "PointFK" INTEGER,
    "PlanX" REAL,
    "PlanY" REAL
);

-- The case: its key and the language the regulator answers in (F, N or D).
CREATE TABLE "FileTable" (
    "FilePK" INTEGER PRIMARY KEY,
    "FileLanguage" TEXT
);

-- The model of each antenna, with its beam and its power.
CREATE TABLE "DefaultAntennaTable" (
    "DefaultAntennaPK" INTEGER PRIMARY KEY,
    "DefaultAntennaType" TEXT,
    "DefaultAntennaTilt" REAL,
    "DefaultAntennaHorizontalBeamWidth" REAL,
    "DefaultAntennaVerticalBeamWidth" REAL,
    "DefaultAntennaGaindB" REAL,
    "ApertureAntenna" INTEGER CHECK ("ApertureAntenna" IN (0, 1)),
    "DefaultAntennaPolarisation" TEXT,
    "DefaultAntennaFrequencyMHz" REAL,
    "DefaultAntennaPowerdBm" REAL,
    "CircularAntenna" INTEGER CHECK ("CircularAntenna" IN (0, 1))
);

-- The gain of each antenna over ranges of azimuth, in dB relative to its
-- largest gain.
CREATE TABLE "DefaultAntennaHorizontalDiagramEntryTable" (
    "DefaultAntennaHorizontalDiagramEntryPK" INTEGER PRIMARY KEY,
    "DefaultAntennaFK" INTEGER,
    "FromAngle" REAL,
    "ToAngle" REAL,
    "GaindB" REAL
);

-- The same over ranges of elevation.
CREATE TABLE "DefaultAntennaVerticalDiagramEntryTable" (
    "DefaultAntennaVerticalDiagramEntryPK" INTEGER PRIMARY KEY,
    "DefaultAntennaFK" INTEGER,
    "FromAngle" REAL,
    "ToAngle" REAL,
    "GaindB" REAL
);
