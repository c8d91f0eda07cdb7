-- Record tables of the stand recipes: the fields of the installation table they fill, plus
-- the stand they belong to.

CREATE TABLE [Microscope Interfaces] (
    [Id Microscope] TEXT COLLATE NOCASE,
    [ID Available]  TEXT COLLATE NOCASE,
    [Status]        TEXT COLLATE NOCASE,
    [ID Potential]  TEXT COLLATE NOCASE,
    [Control]       TEXT COLLATE NOCASE,
    [Address]       TEXT COLLATE NOCASE,
    [Version]       TEXT COLLATE NOCASE,
    [Baud Rate]     INTEGER,
    [Data Bits]     INTEGER,
    [Parity]        TEXT COLLATE NOCASE,
    [Stop Bits]     INTEGER,
    [Handshake]     TEXT COLLATE NOCASE,
    [Timeout ms]    INTEGER,
    [Summary]       TEXT COLLATE NOCASE
);
CREATE INDEX [idx Microscope Interfaces ID Available] ON [Microscope Interfaces] ([ID Available]);
CREATE INDEX [idx Microscope Interfaces ID Potential] ON [Microscope Interfaces] ([ID Potential]);
CREATE INDEX [idx Microscope Interfaces Id Microscope] ON [Microscope Interfaces] ([Id Microscope]);

CREATE TABLE [Microscope Revolvers] (
    [Id Microscope] TEXT COLLATE NOCASE,
    [ID Available]  TEXT COLLATE NOCASE,
    [Status]        TEXT COLLATE NOCASE,
    [ID Potential]  TEXT COLLATE NOCASE,
    [Control]       TEXT COLLATE NOCASE,
    [Positions]     INTEGER,
    [Summary]       TEXT COLLATE NOCASE
);
CREATE INDEX [idx Microscope Revolvers ID Available] ON [Microscope Revolvers] ([ID Available]);
CREATE INDEX [idx Microscope Revolvers ID Potential] ON [Microscope Revolvers] ([ID Potential]);
CREATE INDEX [idx Microscope Revolvers Id Microscope] ON [Microscope Revolvers] ([Id Microscope]);

CREATE TABLE [Microscope Focus Control] (
    [Id Microscope] TEXT COLLATE NOCASE,
    [ID Available]  TEXT COLLATE NOCASE,
    [Status]        TEXT COLLATE NOCASE,
    [ID Potential]  TEXT COLLATE NOCASE,
    [Control]       TEXT COLLATE NOCASE,
    [Step Size]     DOUBLE,
    [Offset]        DOUBLE,
    [Summary]       TEXT COLLATE NOCASE
);
CREATE INDEX [idx Microscope Focus Control ID Available] ON [Microscope Focus Control] ([ID Available]);
CREATE INDEX [idx Microscope Focus Control ID Potential] ON [Microscope Focus Control] ([ID Potential]);
CREATE INDEX [idx Microscope Focus Control Id Microscope] ON [Microscope Focus Control] ([Id Microscope]);

CREATE TABLE [Microscope Lamps] (
    [Id Microscope]      TEXT COLLATE NOCASE,
    [ID Available]       TEXT COLLATE NOCASE,
    [Status]             TEXT COLLATE NOCASE,
    [ID Potential]       TEXT COLLATE NOCASE,
    [Control]            TEXT COLLATE NOCASE,
    [Is Reflected Light] BOOLEAN DEFAULT 0,
    [Delay ms]           INTEGER,
    [Summary]            TEXT COLLATE NOCASE
);
CREATE INDEX [idx Microscope Lamps ID Available] ON [Microscope Lamps] ([ID Available]);
CREATE INDEX [idx Microscope Lamps ID Potential] ON [Microscope Lamps] ([ID Potential]);
CREATE INDEX [idx Microscope Lamps Id Microscope] ON [Microscope Lamps] ([Id Microscope]);

CREATE TABLE [Microscope Filtersets] (
    [Id Microscope]       TEXT COLLATE NOCASE,
    [ID Available]        TEXT COLLATE NOCASE,
    [Status]              TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Control]             TEXT COLLATE NOCASE,
    [Control Position]    TEXT COLLATE NOCASE,
    [Next Optical Device] TEXT COLLATE NOCASE,
    [Motorization]        TEXT COLLATE NOCASE,
    [Summary]             TEXT COLLATE NOCASE
);
CREATE INDEX [idx Microscope Filtersets ID Available] ON [Microscope Filtersets] ([ID Available]);
CREATE INDEX [idx Microscope Filtersets ID Potential] ON [Microscope Filtersets] ([ID Potential]);
CREATE INDEX [idx Microscope Filtersets Id Microscope] ON [Microscope Filtersets] ([Id Microscope]);

CREATE TABLE [Microscope Shutters] (
    [Id Microscope]       TEXT COLLATE NOCASE,
    [ID Available]        TEXT COLLATE NOCASE,
    [Status]              TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Control]             TEXT COLLATE NOCASE,
    [Control Position]    TEXT COLLATE NOCASE,
    [Next Optical Device] TEXT COLLATE NOCASE,
    [Summary]             TEXT COLLATE NOCASE
);
CREATE INDEX [idx Microscope Shutters ID Available] ON [Microscope Shutters] ([ID Available]);
CREATE INDEX [idx Microscope Shutters ID Potential] ON [Microscope Shutters] ([ID Potential]);
CREATE INDEX [idx Microscope Shutters Id Microscope] ON [Microscope Shutters] ([Id Microscope]);
