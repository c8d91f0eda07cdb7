-- Tables only an installation has: its identity, the spectral option's video switches and
-- the engineer's favourites.

CREATE TABLE [System Versions] (
    [Version Name] TEXT COLLATE NOCASE,
    [Release Date] DATETIME,
    [Summary]      TEXT COLLATE NOCASE
);

CREATE TABLE [Available Systems] (
    [ID Available]     TEXT COLLATE NOCASE,
    [ID Configuration] TEXT COLLATE NOCASE,
    [ID Stand]         TEXT COLLATE NOCASE,
    [ID Scan Unit]     TEXT COLLATE NOCASE,
    [ID Laser Module]  TEXT COLLATE NOCASE,
    [ID FCS Unit]      TEXT COLLATE NOCASE,
    [NDD]              BOOLEAN DEFAULT 0,
    [Summary]          TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Systems ID Available] ON [Available Systems] ([ID Available]);

CREATE TABLE [Available Video Switches] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Video Switches ID Available] ON [Available Video Switches] ([ID Available]);

CREATE TABLE [Potential Video Switches] (
    [ID Potential]    TEXT COLLATE NOCASE,
    [Kind]            TEXT COLLATE NOCASE,
    [Input Channels]  INTEGER,
    [Output Channels] INTEGER,
    [Track Registers] INTEGER
);
CREATE INDEX [idx Potential Video Switches ID Potential] ON [Potential Video Switches] ([ID Potential]);

CREATE TABLE [Favourite Filters] (
    [ID]           INTEGER PRIMARY KEY AUTOINCREMENT,
    [ID Potential] TEXT COLLATE NOCASE,
    [Type]         TEXT COLLATE NOCASE
);
CREATE INDEX [idx Favourite Filters ID Potential] ON [Favourite Filters] ([ID Potential]);

CREATE TABLE [Favourite Objective Lenses] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Focus Speed]  INTEGER
);
CREATE INDEX [idx Favourite Objective Lenses ID Potential] ON [Favourite Objective Lenses] ([ID Potential]);
