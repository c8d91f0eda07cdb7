-- Catalogue tables: every component of a kind that could be fitted, keyed by ID Potential.

CREATE TABLE [Potential AOM Drivers] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Lines]        INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential AOM Drivers ID Potential] ON [Potential AOM Drivers] ([ID Potential]);

CREATE TABLE [Potential Cameras] (
    [ID Potential]       TEXT COLLATE NOCASE,
    [Kind]               TEXT COLLATE NOCASE,
    [RGB]                BOOLEAN DEFAULT 0,
    [Pixel Size X]       DOUBLE,
    [Pixel Size Y]       DOUBLE,
    [Binning Brightness] TEXT COLLATE NOCASE,
    [CCD Size X]         INTEGER,
    [CCD Size Y]         INTEGER
);
CREATE INDEX [idx Potential Cameras ID Potential] ON [Potential Cameras] ([ID Potential]);

CREATE TABLE [Potential DIOs] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Bits]         INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential DIOs ID Potential] ON [Potential DIOs] ([ID Potential]);

CREATE TABLE [Potential FilterHolders] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Positions]    INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential FilterHolders ID Potential] ON [Potential FilterHolders] ([ID Potential]);

CREATE TABLE [Potential Filters] (
    [ID Potential]         TEXT COLLATE NOCASE,
    [Quentara Code No]     TEXT COLLATE NOCASE,
    [Type]                 TEXT COLLATE NOCASE,
    [Spectral Type]        TEXT COLLATE NOCASE,
    [Lower Wavelength]     DOUBLE,
    [Center Wavelength]    DOUBLE,
    [Upper Wavelength]     DOUBLE,
    [Average Transmission] DOUBLE,
    [Opaque for]           TEXT COLLATE NOCASE,
    [Producer]             TEXT COLLATE NOCASE,
    [Summary]              TEXT COLLATE NOCASE,
    [Customer Added]       BOOLEAN DEFAULT 0
);
CREATE INDEX [idx Potential Filters ID Potential] ON [Potential Filters] ([ID Potential]);

CREATE TABLE [Potential Focus Controls] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Step Size]    DOUBLE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential Focus Controls ID Potential] ON [Potential Focus Controls] ([ID Potential]);

CREATE TABLE [Potential Lamps] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Power W]      DOUBLE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential Lamps ID Potential] ON [Potential Lamps] ([ID Potential]);

CREATE TABLE [Potential Lasers] (
    [ID Potential]       TEXT COLLATE NOCASE,
    [Kind]               TEXT COLLATE NOCASE,
    [Producer]           TEXT COLLATE NOCASE,
    [Minimum Wavelength] INTEGER,
    [Maximum Wavelength] INTEGER,
    [Power mW]           DOUBLE,
    [Summary]            TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential Lasers ID Potential] ON [Potential Lasers] ([ID Potential]);

CREATE TABLE [Potential Objective Lenses] (
    [ID Potential]                      TEXT COLLATE NOCASE,
    [Summary]                           TEXT COLLATE NOCASE,
    [Producer]                          TEXT COLLATE NOCASE,
    [Magnification]                     DOUBLE,
    [Numerical Aperture]                DOUBLE,
    [Immersion Medium Refractive Index] DOUBLE,
    [Coverglass Thickness Minimum]      DOUBLE,
    [Coverglass Thickness Maximum]      DOUBLE,
    [Working Distance]                  DOUBLE,
    [UVFitness]                         INTEGER,
    [ScanFitness]                       INTEGER,
    [Customer Added]                    BOOLEAN DEFAULT 0
);
CREATE INDEX [idx Potential Objective Lenses ID Potential] ON [Potential Objective Lenses] ([ID Potential]);

CREATE TABLE [Potential Revolvers] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Positions]    INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential Revolvers ID Potential] ON [Potential Revolvers] ([ID Potential]);

CREATE TABLE [Potential Servos] (
    [ID Potential]  TEXT COLLATE NOCASE,
    [Kind]          TEXT COLLATE NOCASE,
    [Minimum Value] DOUBLE,
    [Maximum Value] DOUBLE,
    [Summary]       TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential Servos ID Potential] ON [Potential Servos] ([ID Potential]);

CREATE TABLE [Potential Stages] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Handwheel]    BOOLEAN DEFAULT 0,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential Stages ID Potential] ON [Potential Stages] ([ID Potential]);

CREATE TABLE [Potential Switches] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Positions]    INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential Switches ID Potential] ON [Potential Switches] ([ID Potential]);

CREATE TABLE [Potential ZLift] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Range um]     DOUBLE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential ZLift ID Potential] ON [Potential ZLift] ([ID Potential]);
