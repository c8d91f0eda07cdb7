-- Option twin tables. Each has the fields of the table it feeds; its name is that table's
-- name followed by the option's suffix.

CREATE TABLE [Available Amplifiers SPEKRO] (
    [ID Available]     TEXT COLLATE NOCASE,
    [Status]           TEXT COLLATE NOCASE,
    [ID Potential]     TEXT COLLATE NOCASE,
    [Control]          TEXT COLLATE NOCASE,
    [Input Channel No] INTEGER,
    [Summary]          TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Amplifiers SPEKRO ID Available] ON [Available Amplifiers SPEKRO] ([ID Available]);

CREATE TABLE [Available DACs SPEKRO] (
    [ID Available]    TEXT COLLATE NOCASE,
    [Status]          TEXT COLLATE NOCASE,
    [ID Potential]    TEXT COLLATE NOCASE,
    [Control Voltage] TEXT COLLATE NOCASE,
    [Channel No]      INTEGER,
    [Summary]         TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available DACs SPEKRO ID Available] ON [Available DACs SPEKRO] ([ID Available]);

CREATE TABLE [Available DIOs SPEKRO] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Bit No]       INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available DIOs SPEKRO ID Available] ON [Available DIOs SPEKRO] ([ID Available]);

CREATE TABLE [Available High Voltage Supplies SPEKRO] (
    [ID Available]    TEXT COLLATE NOCASE,
    [Status]          TEXT COLLATE NOCASE,
    [ID Potential]    TEXT COLLATE NOCASE,
    [Control Voltage] TEXT COLLATE NOCASE,
    [Summary]         TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available High Voltage Supplies SPEKRO ID Available] ON [Available High Voltage Supplies SPEKRO] ([ID Available]);

CREATE TABLE [Available Integrators SPEKRO] (
    [ID Available]     TEXT COLLATE NOCASE,
    [Status]           TEXT COLLATE NOCASE,
    [ID Potential]     TEXT COLLATE NOCASE,
    [Control DIO]      TEXT COLLATE NOCASE,
    [Control DAC]      TEXT COLLATE NOCASE,
    [Input Channel No] INTEGER,
    [Summary]          TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Integrators SPEKRO ID Available] ON [Available Integrators SPEKRO] ([ID Available]);

CREATE TABLE [Available Interfaces SPEKRO] (
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
CREATE INDEX [idx Available Interfaces SPEKRO ID Available] ON [Available Interfaces SPEKRO] ([ID Available]);

CREATE TABLE [Available Point Detectors SPEKRO] (
    [ID Available]           TEXT COLLATE NOCASE,
    [Status]                 TEXT COLLATE NOCASE,
    [ID Potential]           TEXT COLLATE NOCASE,
    [Control Gain]           TEXT COLLATE NOCASE,
    [Next Electrical Device] TEXT COLLATE NOCASE,
    [Next Optical Device]    TEXT COLLATE NOCASE,
    [Input Channel No]       INTEGER,
    [Detector Type]          TEXT COLLATE NOCASE,
    [Summary]                TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Point Detectors SPEKRO ID Available] ON [Available Point Detectors SPEKRO] ([ID Available]);

CREATE TABLE [Available Servos SPEKRO] (
    [ID Available]           TEXT COLLATE NOCASE,
    [Status]                 TEXT COLLATE NOCASE,
    [ID Potential]           TEXT COLLATE NOCASE,
    [Control]                TEXT COLLATE NOCASE,
    [Control FirmwareOffset] TEXT COLLATE NOCASE,
    [Default Value]          DOUBLE,
    [Summary]                TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Servos SPEKRO ID Available] ON [Available Servos SPEKRO] ([ID Available]);

CREATE TABLE [Calibration Amplifiers SPEKRO] (
    [ID Available] TEXT COLLATE NOCASE,
    [Gain]         DOUBLE,
    [Offset]       DOUBLE
);
CREATE INDEX [idx Calibration Amplifiers SPEKRO ID Available] ON [Calibration Amplifiers SPEKRO] ([ID Available]);

CREATE TABLE [Calibration DACs SPEKRO] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration DACs SPEKRO ID Available] ON [Calibration DACs SPEKRO] ([ID Available]);

CREATE TABLE [Calibration DIOs SPEKRO] (
    [ID Available]  TEXT COLLATE NOCASE,
    [Default Value] INTEGER
);
CREATE INDEX [idx Calibration DIOs SPEKRO ID Available] ON [Calibration DIOs SPEKRO] ([ID Available]);

CREATE TABLE [Calibration High Voltage Supplies SPEKRO] (
    [ID Available]    TEXT COLLATE NOCASE,
    [Offset]          DOUBLE,
    [Factor]          DOUBLE,
    [Maximum Voltage] DOUBLE
);
CREATE INDEX [idx Calibration High Voltage Supplies SPEKRO ID Available] ON [Calibration High Voltage Supplies SPEKRO] ([ID Available]);

CREATE TABLE [Calibration Integrators SPEKRO] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration Integrators SPEKRO ID Available] ON [Calibration Integrators SPEKRO] ([ID Available]);

CREATE TABLE [Calibration Point Detectors SPEKRO] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Gain]         DOUBLE
);
CREATE INDEX [idx Calibration Point Detectors SPEKRO ID Available] ON [Calibration Point Detectors SPEKRO] ([ID Available]);

CREATE TABLE [Calibration Servos SPEKRO] (
    [ID Available]  TEXT COLLATE NOCASE,
    [Offset]        DOUBLE,
    [Factor]        DOUBLE,
    [Minimum Value] DOUBLE,
    [Maximum Value] DOUBLE
);
CREATE INDEX [idx Calibration Servos SPEKRO ID Available] ON [Calibration Servos SPEKRO] ([ID Available]);

CREATE TABLE [Potential DIOs SPEKRO] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Bits]         INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential DIOs SPEKRO ID Potential] ON [Potential DIOs SPEKRO] ([ID Potential]);

CREATE TABLE [Available Collimators FCS] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Default]      DOUBLE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Collimators FCS ID Available] ON [Available Collimators FCS] ([ID Available]);

CREATE TABLE [Available DIOs FCS] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Bit No]       INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available DIOs FCS ID Available] ON [Available DIOs FCS] ([ID Available]);

CREATE TABLE [Available FilterSets FCS] (
    [ID Available]        TEXT COLLATE NOCASE,
    [Status]              TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Control]             TEXT COLLATE NOCASE,
    [Control Position]    TEXT COLLATE NOCASE,
    [Next Optical Device] TEXT COLLATE NOCASE,
    [Motorization]        TEXT COLLATE NOCASE,
    [Summary]             TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available FilterSets FCS ID Available] ON [Available FilterSets FCS] ([ID Available]);

CREATE TABLE [Available Interfaces FCS] (
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
CREATE INDEX [idx Available Interfaces FCS ID Available] ON [Available Interfaces FCS] ([ID Available]);

CREATE TABLE [Available Pinholes FCS] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control Size] TEXT COLLATE NOCASE,
    [Control X]    TEXT COLLATE NOCASE,
    [Control Y]    TEXT COLLATE NOCASE,
    [Control Z]    TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Pinholes FCS ID Available] ON [Available Pinholes FCS] ([ID Available]);

CREATE TABLE [Available Servos FCS] (
    [ID Available]           TEXT COLLATE NOCASE,
    [Status]                 TEXT COLLATE NOCASE,
    [ID Potential]           TEXT COLLATE NOCASE,
    [Control]                TEXT COLLATE NOCASE,
    [Control FirmwareOffset] TEXT COLLATE NOCASE,
    [Default Value]          DOUBLE,
    [Summary]                TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Servos FCS ID Available] ON [Available Servos FCS] ([ID Available]);

CREATE TABLE [Available Switches FCS] (
    [ID Available]        TEXT COLLATE NOCASE,
    [Status]              TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Control]             TEXT COLLATE NOCASE,
    [Control Position]    TEXT COLLATE NOCASE,
    [Initial Position]    TEXT COLLATE NOCASE,
    [Next Optical Device] TEXT COLLATE NOCASE,
    [Close]               INTEGER,
    [Summary]             TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Switches FCS ID Available] ON [Available Switches FCS] ([ID Available]);

CREATE TABLE [Available Temperature Sensors FCS] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Temperature Sensors FCS ID Available] ON [Available Temperature Sensors FCS] ([ID Available]);

CREATE TABLE [Calibration DIOs FCS] (
    [ID Available]  TEXT COLLATE NOCASE,
    [Default Value] INTEGER
);
CREATE INDEX [idx Calibration DIOs FCS ID Available] ON [Calibration DIOs FCS] ([ID Available]);

CREATE TABLE [Calibration Pinholes FCS] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset X]     DOUBLE,
    [Offset Y]     DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration Pinholes FCS ID Available] ON [Calibration Pinholes FCS] ([ID Available]);

CREATE TABLE [Calibration Servos FCS] (
    [ID Available]  TEXT COLLATE NOCASE,
    [Offset]        DOUBLE,
    [Factor]        DOUBLE,
    [Minimum Value] DOUBLE,
    [Maximum Value] DOUBLE
);
CREATE INDEX [idx Calibration Servos FCS ID Available] ON [Calibration Servos FCS] ([ID Available]);

CREATE TABLE [Calibration Temperature Sensors FCS] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration Temperature Sensors FCS ID Available] ON [Calibration Temperature Sensors FCS] ([ID Available]);

CREATE TABLE [Potential Switches FCS] (
    [ID Potential] TEXT COLLATE NOCASE,
    [Kind]         TEXT COLLATE NOCASE,
    [Positions]    INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Potential Switches FCS ID Potential] ON [Potential Switches FCS] ([ID Potential]);

CREATE TABLE [Available Attenuator Channels Kestro] (
    [Wavelength]             INTEGER,
    [Channel No]             INTEGER,
    [Status]                 TEXT COLLATE NOCASE,
    [Not Include]            BOOLEAN DEFAULT 0,
    [ID Available AOM]       TEXT COLLATE NOCASE,
    [Calibration Wavelength] INTEGER,
    [FCS]                    BOOLEAN DEFAULT 0,
    [Summary]                TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Attenuator Channels Kestro Wavelength] ON [Available Attenuator Channels Kestro] ([Wavelength]);
CREATE INDEX [idx Available Attenuator Channels Kestro Channel No] ON [Available Attenuator Channels Kestro] ([Channel No]);

CREATE TABLE [Available Firmware Parameters Kestro] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Value]        DOUBLE,
    [Digits]       INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Firmware Parameters Kestro ID Available] ON [Available Firmware Parameters Kestro] ([ID Available]);

CREATE TABLE [Available Lasers Kestro] (
    [ID Available]        TEXT COLLATE NOCASE,
    [Status]              TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Control]             TEXT COLLATE NOCASE,
    [Control LED]         TEXT COLLATE NOCASE,
    [Special Value]       DOUBLE,
    [Next Optical Device] TEXT COLLATE NOCASE,
    [Version]             TEXT COLLATE NOCASE,
    [Summary]             TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Lasers Kestro ID Available] ON [Available Lasers Kestro] ([ID Available]);

CREATE TABLE [Available Servos Kestro] (
    [ID Available]           TEXT COLLATE NOCASE,
    [Status]                 TEXT COLLATE NOCASE,
    [ID Potential]           TEXT COLLATE NOCASE,
    [Control]                TEXT COLLATE NOCASE,
    [Control FirmwareOffset] TEXT COLLATE NOCASE,
    [Default Value]          DOUBLE,
    [Summary]                TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Servos Kestro ID Available] ON [Available Servos Kestro] ([ID Available]);

CREATE TABLE [Calibration Servos Kestro] (
    [ID Available]  TEXT COLLATE NOCASE,
    [Offset]        DOUBLE,
    [Factor]        DOUBLE,
    [Minimum Value] DOUBLE,
    [Maximum Value] DOUBLE
);
CREATE INDEX [idx Calibration Servos Kestro ID Available] ON [Calibration Servos Kestro] ([ID Available]);

CREATE TABLE [Available DACs Fading] (
    [ID Available]    TEXT COLLATE NOCASE,
    [Status]          TEXT COLLATE NOCASE,
    [ID Potential]    TEXT COLLATE NOCASE,
    [Control Voltage] TEXT COLLATE NOCASE,
    [Channel No]      INTEGER,
    [Summary]         TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available DACs Fading ID Available] ON [Available DACs Fading] ([ID Available]);

CREATE TABLE [Calibration DACs Fading] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE
);
CREATE INDEX [idx Calibration DACs Fading ID Available] ON [Calibration DACs Fading] ([ID Available]);

CREATE TABLE [Available FilterPlacement Shutter] (
    [ID Available]    TEXT COLLATE NOCASE,
    [Position]        INTEGER,
    [ID Potential]    TEXT COLLATE NOCASE,
    [Not Include]     BOOLEAN DEFAULT 0,
    [Output Position] INTEGER
);
CREATE INDEX [idx Available FilterPlacement Shutter ID Available Position] ON [Available FilterPlacement Shutter] ([ID Available], [Position]);

CREATE TABLE [Available FilterSets Shutter] (
    [ID Available]        TEXT COLLATE NOCASE,
    [Status]              TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Control]             TEXT COLLATE NOCASE,
    [Control Position]    TEXT COLLATE NOCASE,
    [Next Optical Device] TEXT COLLATE NOCASE,
    [Motorization]        TEXT COLLATE NOCASE,
    [Summary]             TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available FilterSets Shutter ID Available] ON [Available FilterSets Shutter] ([ID Available]);

CREATE TABLE [Potential Filters Shutter] (
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
CREATE INDEX [idx Potential Filters Shutter ID Potential] ON [Potential Filters Shutter] ([ID Potential]);

CREATE TABLE [Calibration ZLift Conf] (
    [ID Available] TEXT COLLATE NOCASE,
    [Offset]       DOUBLE,
    [Factor]       DOUBLE,
    [Range um]     DOUBLE
);
CREATE INDEX [idx Calibration ZLift Conf ID Available] ON [Calibration ZLift Conf] ([ID Available]);

CREATE TABLE [Available Video Switches SPEKRO] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Video Switches SPEKRO ID Available] ON [Available Video Switches SPEKRO] ([ID Available]);

CREATE TABLE [Potential Video Switches SPEKRO] (
    [ID Potential]    TEXT COLLATE NOCASE,
    [Kind]            TEXT COLLATE NOCASE,
    [Input Channels]  INTEGER,
    [Output Channels] INTEGER,
    [Track Registers] INTEGER
);
CREATE INDEX [idx Potential Video Switches SPEKRO ID Potential] ON [Potential Video Switches SPEKRO] ([ID Potential]);
