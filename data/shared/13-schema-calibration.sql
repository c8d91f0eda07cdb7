-- Calibration values of installed devices, keyed like their installation table.

CREATE TABLE [Calibration AOM Drivers] (
    [ID Available]      TEXT COLLATE NOCASE,
    [Lower Wavelength]  INTEGER,
    [Upper Wavelength]  INTEGER,
    [Minimum Frequency] DOUBLE,
    [Maximum Frequency] DOUBLE
);
CREATE INDEX [idx Calibration AOM Drivers ID Available] ON [Calibration AOM Drivers] ([ID Available]);

CREATE TABLE [Calibration Amplifiers] (
    [ID Available] TEXT COLLATE NOCASE,
    [Gain]         DOUBLE,
    [Offset]       DOUBLE
);
CREATE INDEX [idx Calibration Amplifiers ID Available] ON [Calibration Amplifiers] ([ID Available]);

CREATE TABLE [Calibration Attenuator Channels] (
    [Wavelength] INTEGER,
    [a0]         DOUBLE,
    [a1]         DOUBLE,
    [a2]         DOUBLE,
    [a3]         DOUBLE,
    [a4]         DOUBLE,
    [a5]         DOUBLE,
    [a6]         DOUBLE,
    [a7]         DOUBLE,
    [a8]         DOUBLE,
    [a9]         DOUBLE,
    [a10]        DOUBLE,
    [b0]         DOUBLE,
    [b1]         DOUBLE,
    [b2]         DOUBLE,
    [b3]         DOUBLE,
    [b4]         DOUBLE,
    [b5]         DOUBLE,
    [b6]         DOUBLE,
    [b7]         DOUBLE,
    [b8]         DOUBLE,
    [b9]         DOUBLE,
    [b10]        DOUBLE
);
CREATE INDEX [idx Calibration Attenuator Channels Wavelength] ON [Calibration Attenuator Channels] ([Wavelength]);

CREATE TABLE [Calibration DACs] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration DACs ID Available] ON [Calibration DACs] ([ID Available]);

CREATE TABLE [Calibration DIOs] (
    [ID Available]  TEXT COLLATE NOCASE,
    [Default Value] INTEGER
);
CREATE INDEX [idx Calibration DIOs ID Available] ON [Calibration DIOs] ([ID Available]);

CREATE TABLE [Calibration High Voltage Supplies] (
    [ID Available]    TEXT COLLATE NOCASE,
    [Offset]          DOUBLE,
    [Factor]          DOUBLE,
    [Maximum Voltage] DOUBLE
);
CREATE INDEX [idx Calibration High Voltage Supplies ID Available] ON [Calibration High Voltage Supplies] ([ID Available]);

CREATE TABLE [Calibration Integrators] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration Integrators ID Available] ON [Calibration Integrators] ([ID Available]);

CREATE TABLE [Calibration Pinholes] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset X]     DOUBLE,
    [Offset Y]     DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration Pinholes ID Available] ON [Calibration Pinholes] ([ID Available]);

CREATE TABLE [Calibration Point Detectors] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Gain]         DOUBLE
);
CREATE INDEX [idx Calibration Point Detectors ID Available] ON [Calibration Point Detectors] ([ID Available]);

CREATE TABLE [Calibration Servos] (
    [ID Available]  TEXT COLLATE NOCASE,
    [Offset]        DOUBLE,
    [Factor]        DOUBLE,
    [Minimum Value] DOUBLE,
    [Maximum Value] DOUBLE
);
CREATE INDEX [idx Calibration Servos ID Available] ON [Calibration Servos] ([ID Available]);

CREATE TABLE [Calibration Stages] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset X]     DOUBLE,
    [Offset Y]     DOUBLE,
    [Factor X]     DOUBLE,
    [Factor Y]     DOUBLE
);
CREATE INDEX [idx Calibration Stages ID Available] ON [Calibration Stages] ([ID Available]);

CREATE TABLE [Calibration Temperature Sensors] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration Temperature Sensors ID Available] ON [Calibration Temperature Sensors] ([ID Available]);

CREATE TABLE [Calibration Wavelength] (
    [ID Available] TEXT COLLATE NOCASE,
    [Wavelength]   INTEGER,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration Wavelength ID Available] ON [Calibration Wavelength] ([ID Available]);

CREATE TABLE [Calibration ZLift] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE,
    [Range um]     DOUBLE
);
CREATE INDEX [idx Calibration ZLift ID Available] ON [Calibration ZLift] ([ID Available]);
