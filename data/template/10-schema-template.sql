-- Tables of the template database only: the history list, the head catalogues, the stand
-- list with its recipes, the reflector/condenser/revolver choices and the serial settings.

CREATE TABLE [History] (
    [No]   INTEGER,
    [Date] DATETIME,
    [Path] TEXT COLLATE NOCASE
);
CREATE INDEX [idx History No] ON [History] ([No]);

CREATE TABLE [Scan Head Objects] (
    [Table]  TEXT COLLATE NOCASE,
    [Object] TEXT COLLATE NOCASE,
    [SPEKRO] BOOLEAN DEFAULT 0
);
CREATE INDEX [idx Scan Head Objects Object] ON [Scan Head Objects] ([Object]);

CREATE TABLE [Scan Head Memory] (
    [Table]        TEXT COLLATE NOCASE,
    [ID Available] TEXT COLLATE NOCASE,
    [Removed]      BOOLEAN DEFAULT 0
);
CREATE INDEX [idx Scan Head Memory ID Available] ON [Scan Head Memory] ([ID Available]);

CREATE TABLE [Image Flip] (
    [Microscope]  TEXT COLLATE NOCASE,
    [Sideport]    BOOLEAN DEFAULT 0,
    [Exchange XY] BOOLEAN DEFAULT 0,
    [Mirror X]    BOOLEAN DEFAULT 0,
    [Mirror Y]    BOOLEAN DEFAULT 0
);
CREATE INDEX [idx Image Flip Microscope] ON [Image Flip] ([Microscope]);

CREATE TABLE [FCS Head Objects] (
    [Table]      TEXT COLLATE NOCASE,
    [Object]     TEXT COLLATE NOCASE,
    [IsStandard] BOOLEAN DEFAULT 0
);
CREATE INDEX [idx FCS Head Objects Object] ON [FCS Head Objects] ([Object]);

CREATE TABLE [Spekro Objects to disable] (
    [ID Available] TEXT COLLATE NOCASE,
    [Table]        TEXT COLLATE NOCASE,
    [Check Table]  TEXT COLLATE NOCASE,
    [Check Object] TEXT COLLATE NOCASE
);
CREATE INDEX [idx Spekro Objects to disable ID Available] ON [Spekro Objects to disable] ([ID Available]);

CREATE TABLE [Available Microscopes] (
    [Microscope]       TEXT COLLATE NOCASE,
    [ID Stand]         TEXT COLLATE NOCASE,
    [ID Potential FW1] TEXT COLLATE NOCASE,
    [Summary]          TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Microscopes Microscope] ON [Available Microscopes] ([Microscope]);

CREATE TABLE [Configuration Microscope] (
    [Id Object]    TEXT COLLATE NOCASE,
    [Table]        TEXT COLLATE NOCASE,
    [Row]          TEXT COLLATE NOCASE,
    [Key]          TEXT COLLATE NOCASE,
    [ValueRow]     TEXT COLLATE NOCASE,
    [Value]        TEXT COLLATE NOCASE,
    [Record Table] TEXT COLLATE NOCASE,
    [Copy]         BOOLEAN DEFAULT 0
);
CREATE INDEX [idx Configuration Microscope Id Object] ON [Configuration Microscope] ([Id Object]);

CREATE TABLE [Default Reflector Condensor] (
    [ID Microscope] TEXT COLLATE NOCASE,
    [Id Reflector]  TEXT COLLATE NOCASE,
    [Id Condensor]  TEXT COLLATE NOCASE
);
CREATE INDEX [idx Default Reflector Condensor ID Microscope] ON [Default Reflector Condensor] ([ID Microscope]);

CREATE TABLE [Available Nosepieces] (
    [Available Nosepiece] TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Positions]           INTEGER
);
CREATE INDEX [idx Available Nosepieces ID Potential] ON [Available Nosepieces] ([ID Potential]);
CREATE INDEX [idx Available Nosepieces Available Nosepiece] ON [Available Nosepieces] ([Available Nosepiece]);

CREATE TABLE [Available Reflectors] (
    [Available Reflector] TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Positions]           INTEGER,
    [Motorization]        TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Reflectors ID Potential] ON [Available Reflectors] ([ID Potential]);
CREATE INDEX [idx Available Reflectors Available Reflector] ON [Available Reflectors] ([Available Reflector]);

CREATE TABLE [Available Condensors] (
    [Available Condensor] TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Positions]           INTEGER,
    [Revolver]            TEXT COLLATE NOCASE,
    [Frontlens]           TEXT COLLATE NOCASE,
    [Aperture]            TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Condensors ID Potential] ON [Available Condensors] ([ID Potential]);
CREATE INDEX [idx Available Condensors Available Condensor] ON [Available Condensors] ([Available Condensor]);

CREATE TABLE [Available Interfaces COM] (
    [ID Device]    TEXT COLLATE NOCASE,
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Address]      TEXT COLLATE NOCASE,
    [Version]      TEXT COLLATE NOCASE,
    [Baud Rate]    INTEGER,
    [Data Bits]    INTEGER,
    [Parity]       TEXT COLLATE NOCASE,
    [Stop Bits]    INTEGER,
    [Handshake]    TEXT COLLATE NOCASE,
    [Timeout ms]   INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Interfaces COM ID Available] ON [Available Interfaces COM] ([ID Available]);
CREATE INDEX [idx Available Interfaces COM ID Device] ON [Available Interfaces COM] ([ID Device]);
