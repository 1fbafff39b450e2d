-- The empty access file "NOCALL_kovex.mdb" that every save copies and fills
-- with one case for the regulator, in the types of Jet's own SQL: keys and
-- counts are INTEGER (Long Integer), measured values DOUBLE, yes/no columns
-- YESNO, everything else TEXT(255). A column the program leaves unset holds
-- NULL; a yes/no column is never unset.
--
-- Built by tools/mkaccessdb as a Jet 4.0 file: statements end with ";" and
-- hold no ";" inside.

-- The applicant.
CREATE TABLE "File1Table" (
    "File1PK" INTEGER PRIMARY KEY,
    "AA01NameApplicant" TEXT(255),
    "AA02AddressApplicant" TEXT(255),
    "AA03ZipCodeApplicant" TEXT(255),
    "AA03CityApplicant" TEXT(255),
    "AA04NameContactApplicant" TEXT(255),
    "AA05TelContactApplicant" TEXT(255),
    "AA06EmailContactApplicant" TEXT(255),
    "AA07RefApplicant" TEXT(255),
    "AA08RefBIPTApplicant" TEXT(255),
    "AA09InfoApplicant" TEXT(255),
    "AA10ReceiptAttestAntennasDescription" TEXT(255)
);

-- How the site is used and whether others share it.
CREATE TABLE "File2Table" (
    "File2PK" INTEGER PRIMARY KEY,
    "BI01SiteDescription" TEXT(255),
    "BS01SiteShareable" YESNO,
    "AO01OtherExploitant" TEXT(255),
    "AO02OtherExploitant" TEXT(255),
    "AO03OtherExploitant" TEXT(255),
    "AO04OtherExploitant" TEXT(255),
    "AO05OtherExploitant" TEXT(255),
    "AO06OtherExploitant" TEXT(255),
    "AO07OtherExploitant" TEXT(255),
    "AO08OtherExploitant" TEXT(255)
);

-- The owner of the site and where the antennas stand; coordinates in whole
-- degrees, minutes and seconds, or whole Lambert metres.
CREATE TABLE "File3Table" (
    "File3PK" INTEGER PRIMARY KEY,
    "ES01NameOwnerSite" TEXT(255),
    "ES02AddressOwnerSite" TEXT(255),
    "ES03ZipCodeOwnerSite" TEXT(255),
    "ES03CityOwnerSite" TEXT(255),
    "ES04TelephoneOwnerSite" TEXT(255),
    "ES05InfoOwnerSite" TEXT(255),
    "LS01DescriptionLocationSite" TEXT(255),
    "LS02AddressSite" TEXT(255),
    "LS03ZipCodeSite" TEXT(255),
    "LS03CitySite" TEXT(255),
    "LS04XCoordinateSiteDeg" INTEGER,
    "LS04XCoordinateSiteMin" INTEGER,
    "LS04XCoordinateSiteSec" INTEGER,
    "LS05YCoordinateSiteDeg" INTEGER,
    "LS05YCoordinateSiteMin" INTEGER,
    "LS05YCoordinateSiteSec" INTEGER,
    "LS06InfoSite" TEXT(255),
    "AS04SiteExists" YESNO,
    "AS05InfoSituationSite" TEXT(255),
    "LS07XLambertCoordinates" INTEGER,
    "LS07YLambertCoordinates" INTEGER
);

-- The services on the site.
CREATE TABLE "File4Table" (
    "File4PK" INTEGER PRIMARY KEY,
    "ST01GSM900" YESNO,
    "ST01GSM1800" YESNO,
    "ST01UMTS" YESNO,
    "ST01PMR" YESNO,
    "ST01WLL" YESNO,
    "ST01FMBroadcast" YESNO,
    "ST01TVBroadcast" YESNO,
    "ST01FX" YESNO,
    "ST01TETRA" YESNO,
    "ST01Other10MHHz10GHz" TEXT(255),
    "ST01Outside10MHz10GHz" TEXT(255),
    "ST01ERMES" YESNO
);

-- One row per antenna of the case.
CREATE TABLE "File4BTable" (
    "AntennaPK" INTEGER PRIMARY KEY,
    "FileFK" INTEGER,
    "AntennaNr" INTEGER,
    "DefaultAntennaFK" INTEGER,
    "AntennaName" TEXT(255),
    "AntennaType" TEXT(255),
    "AntennaPositionHeight" DOUBLE,
    "AntennaAzimut" INTEGER,
    "AntennaTilt" DOUBLE,
    "AntennaElectricalTilt" DOUBLE,
    "AntennaMechanicalTilt" DOUBLE,
    "AntennaEntryPowerdBm" DOUBLE,
    "AntennaFrequency" DOUBLE,
    "AntennaHorizontalOpening" DOUBLE,
    "AntennaVerticalOpening" DOUBLE,
    "AntennaFromFrequency" DOUBLE,
    "AntennaToFrequency" DOUBLE,
    "AntennaGaindB" DOUBLE,
    "AntennaGainRef" TEXT(255),
    "AntennaEIRPdBW" DOUBLE,
    "AntennaPolarization" TEXT(255),
    "AntennaNumberOfTransmitters" INTEGER,
    "AntennaDefaultTxPowerdBm" DOUBLE,
    "PagingAntenna" YESNO,
    "AIRAntenna" YESNO,
    "CeilingOrHorizonMounted" YESNO,
    "InverseMounted" YESNO
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
    "PointDescription" TEXT(255),
    "PointHeight" DOUBLE,
    "MeasuredFieldApplicant" DOUBLE,
    "AttenuationdB" DOUBLE,
    "CanadianCalculation" YESNO,
    "AttenuationTypeFK" INTEGER
);

-- Where the test points lie on a plan of the site; the program leaves this
-- table as it is here.
CREATE TABLE "File5BPlanPositionTable" (
    "PlanPositionPK" INTEGER PRIMARY KEY,
    "FileFK" INTEGER,
    "PointFK" INTEGER,
    "PlanX" DOUBLE,
    "PlanY" DOUBLE
);

-- The case: its key and the language the regulator answers in (F, N or D).
CREATE TABLE "FileTable" (
    "FilePK" INTEGER PRIMARY KEY,
    "FileLanguage" TEXT(255)
);

-- The model of each antenna, with its beam and its power.
CREATE TABLE "DefaultAntennaTable" (
    "DefaultAntennaPK" INTEGER PRIMARY KEY,
    "DefaultAntennaType" TEXT(255),
    "DefaultAntennaTilt" DOUBLE,
    "DefaultAntennaHorizontalBeamWidth" DOUBLE,
    "DefaultAntennaVerticalBeamWidth" DOUBLE,
    "DefaultAntennaGaindB" DOUBLE,
    "ApertureAntenna" YESNO,
    "DefaultAntennaPolarisation" TEXT(255),
    "DefaultAntennaFrequencyMHz" DOUBLE,
    "DefaultAntennaPowerdBm" DOUBLE,
    "CircularAntenna" YESNO
);

-- The gain of each antenna over ranges of azimuth, in dB relative to its
-- largest gain.
CREATE TABLE "DefaultAntennaHorizontalDiagramEntryTable" (
    "DefaultAntennaHorizontalDiagramEntryPK" INTEGER PRIMARY KEY,
    "DefaultAntennaFK" INTEGER,
    "FromAngle" DOUBLE,
    "ToAngle" DOUBLE,
    "GaindB" DOUBLE
);

-- The same over ranges of elevation.
CREATE TABLE "DefaultAntennaVerticalDiagramEntryTable" (
    "DefaultAntennaVerticalDiagramEntryPK" INTEGER PRIMARY KEY,
    "DefaultAntennaFK" INTEGER,
    "FromAngle" DOUBLE,
    "ToAngle" DOUBLE,
    "GaindB" DOUBLE
);
