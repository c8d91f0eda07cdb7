-- Installation tables: one row per device of the system, keyed by ID Available. Status " "
-- means in use, "Do not use" switched off, "Dummy" present but not driven.

CREATE TABLE [Available AOM Drivers] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available AOM Drivers ID Available] ON [Available AOM Drivers] ([ID Available]);

CREATE TABLE [Available AOMs] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available AOMs ID Available] ON [Available AOMs] ([ID Available]);

CREATE TABLE [Available AOTF Lines] (
    [Channel]                   INTEGER,
    [Line]                      INTEGER,
    [Kind of Wavelength Change] TEXT COLLATE NOCASE,
    [ID Available AOM]          TEXT COLLATE NOCASE,
    [Summary]                   TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available AOTF Lines Channel] ON [Available AOTF Lines] ([Channel]);

CREATE TABLE [Available Amplifiers] (
    [ID Available]     TEXT COLLATE NOCASE,
    [Status]           TEXT COLLATE NOCASE,
    [ID Potential]     TEXT COLLATE NOCASE,
    [Control]          TEXT COLLATE NOCASE,
    [Input Channel No] INTEGER,
    [Summary]          TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Amplifiers ID Available] ON [Available Amplifiers] ([ID Available]);

CREATE TABLE [Available Attenuator Channels] (
    [Wavelength]             INTEGER,
    [Channel No]             INTEGER,
    [Status]                 TEXT COLLATE NOCASE,
    [Not Include]            BOOLEAN DEFAULT 0,
    [ID Available AOM]       TEXT COLLATE NOCASE,
    [Calibration Wavelength] INTEGER,
    [FCS]                    BOOLEAN DEFAULT 0,
    [Summary]                TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Attenuator Channels Wavelength] ON [Available Attenuator Channels] ([Wavelength]);
CREATE INDEX [idx Available Attenuator Channels Channel No] ON [Available Attenuator Channels] ([Channel No]);

CREATE TABLE [Available Cameras] (
    [ID Available]          TEXT COLLATE NOCASE,
    [Status]                TEXT COLLATE NOCASE,
    [ID Potential]          TEXT COLLATE NOCASE,
    [Control Dll]           TEXT COLLATE NOCASE,
    [Port]                  TEXT COLLATE NOCASE,
    [Adapter Magnification] DOUBLE,
    [Summary]               TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Cameras ID Available] ON [Available Cameras] ([ID Available]);

CREATE TABLE [Available Channel Controls] (
    [Channel No]          INTEGER,
    [Status]              TEXT COLLATE NOCASE,
    [Control Attenuation] TEXT COLLATE NOCASE,
    [Summary]             TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Channel Controls Channel No] ON [Available Channel Controls] ([Channel No]);

CREATE TABLE [Available Collimators] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Default]      DOUBLE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Collimators ID Available] ON [Available Collimators] ([ID Available]);

CREATE TABLE [Available DACs] (
    [ID Available]    TEXT COLLATE NOCASE,
    [Status]          TEXT COLLATE NOCASE,
    [ID Potential]    TEXT COLLATE NOCASE,
    [Control Voltage] TEXT COLLATE NOCASE,
    [Channel No]      INTEGER,
    [Summary]         TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available DACs ID Available] ON [Available DACs] ([ID Available]);

CREATE TABLE [Available DIOs] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Bit No]       INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available DIOs ID Available] ON [Available DIOs] ([ID Available]);

CREATE TABLE [Available Dsps] (
    [ID Available]  TEXT COLLATE NOCASE,
    [Status]        TEXT COLLATE NOCASE,
    [ID Potential]  TEXT COLLATE NOCASE,
    [Control]       TEXT COLLATE NOCASE,
    [Software File] TEXT COLLATE NOCASE,
    [Exchange XY]   BOOLEAN DEFAULT 0,
    [Mirror X]      BOOLEAN DEFAULT 0,
    [Mirror Y]      BOOLEAN DEFAULT 0,
    [Summary]       TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Dsps ID Available] ON [Available Dsps] ([ID Available]);

CREATE TABLE [Available FilterPlacement] (
    [ID Available]    TEXT COLLATE NOCASE,
    [Position]        INTEGER,
    [ID Potential]    TEXT COLLATE NOCASE,
    [Not Include]     BOOLEAN DEFAULT 0,
    [Output Position] INTEGER
);
CREATE INDEX [idx Available FilterPlacement ID Available Position] ON [Available FilterPlacement] ([ID Available], [Position]);

CREATE TABLE [Available Filtersets] (
    [ID Available]        TEXT COLLATE NOCASE,
    [Status]              TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Control]             TEXT COLLATE NOCASE,
    [Control Position]    TEXT COLLATE NOCASE,
    [Next Optical Device] TEXT COLLATE NOCASE,
    [Motorization]        TEXT COLLATE NOCASE,
    [Summary]             TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Filtersets ID Available] ON [Available Filtersets] ([ID Available]);

CREATE TABLE [Available Firmware Parameters] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Value]        DOUBLE,
    [Digits]       INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Firmware Parameters ID Available] ON [Available Firmware Parameters] ([ID Available]);

CREATE TABLE [Available Focus Control] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Step Size]    DOUBLE,
    [Offset]       DOUBLE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Focus Control ID Available] ON [Available Focus Control] ([ID Available]);

CREATE TABLE [Available High Voltage Supplies] (
    [ID Available]    TEXT COLLATE NOCASE,
    [Status]          TEXT COLLATE NOCASE,
    [ID Potential]    TEXT COLLATE NOCASE,
    [Control Voltage] TEXT COLLATE NOCASE,
    [Summary]         TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available High Voltage Supplies ID Available] ON [Available High Voltage Supplies] ([ID Available]);

CREATE TABLE [Available Integrators] (
    [ID Available]     TEXT COLLATE NOCASE,
    [Status]           TEXT COLLATE NOCASE,
    [ID Potential]     TEXT COLLATE NOCASE,
    [Control DIO]      TEXT COLLATE NOCASE,
    [Control DAC]      TEXT COLLATE NOCASE,
    [Input Channel No] INTEGER,
    [Summary]          TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Integrators ID Available] ON [Available Integrators] ([ID Available]);

CREATE TABLE [Available Interfaces] (
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
CREATE INDEX [idx Available Interfaces ID Available] ON [Available Interfaces] ([ID Available]);

CREATE TABLE [Available Lamps] (
    [ID Available]       TEXT COLLATE NOCASE,
    [Status]             TEXT COLLATE NOCASE,
    [ID Potential]       TEXT COLLATE NOCASE,
    [Control]            TEXT COLLATE NOCASE,
    [Is Reflected Light] BOOLEAN DEFAULT 0,
    [Delay ms]           INTEGER,
    [Summary]            TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Lamps ID Available] ON [Available Lamps] ([ID Available]);

CREATE TABLE [Available Laser Wavelength] (
    [ID Available] TEXT COLLATE NOCASE,
    [ID Laser]     TEXT COLLATE NOCASE,
    [Wavelength]   INTEGER,
    [Status]       TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Laser Wavelength ID Available] ON [Available Laser Wavelength] ([ID Available]);

CREATE TABLE [Available Lasers] (
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
CREATE INDEX [idx Available Lasers ID Available] ON [Available Lasers] ([ID Available]);

CREATE TABLE [Available Objective Lenses] (
    [ID Available]         TEXT COLLATE NOCASE,
    [Status]               TEXT COLLATE NOCASE,
    [ID Potential]         TEXT COLLATE NOCASE,
    [Revolver Position]    INTEGER,
    [Magnification]        DOUBLE,
    [Numerical Aperture]   DOUBLE,
    [Coverglass Thickness] DOUBLE,
    [Field Correction]     DOUBLE,
    [Summary]              TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Objective Lenses ID Available] ON [Available Objective Lenses] ([ID Available]);
CREATE INDEX [idx Available Objective Lenses Revolver Position] ON [Available Objective Lenses] ([Revolver Position]);

CREATE TABLE [Available Pinholes] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control Size] TEXT COLLATE NOCASE,
    [Control X]    TEXT COLLATE NOCASE,
    [Control Y]    TEXT COLLATE NOCASE,
    [Control Z]    TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Pinholes ID Available] ON [Available Pinholes] ([ID Available]);

CREATE TABLE [Available Point Detectors] (
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
CREATE INDEX [idx Available Point Detectors ID Available] ON [Available Point Detectors] ([ID Available]);

CREATE TABLE [Available Revolvers] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Positions]    INTEGER,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Revolvers ID Available] ON [Available Revolvers] ([ID Available]);

CREATE TABLE [Available Servos] (
    [ID Available]           TEXT COLLATE NOCASE,
    [Status]                 TEXT COLLATE NOCASE,
    [ID Potential]           TEXT COLLATE NOCASE,
    [Control]                TEXT COLLATE NOCASE,
    [Control FirmwareOffset] TEXT COLLATE NOCASE,
    [Default Value]          DOUBLE,
    [Summary]                TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Servos ID Available] ON [Available Servos] ([ID Available]);

CREATE TABLE [Available Shutters] (
    [ID Available]        TEXT COLLATE NOCASE,
    [Status]              TEXT COLLATE NOCASE,
    [ID Potential]        TEXT COLLATE NOCASE,
    [Control]             TEXT COLLATE NOCASE,
    [Control Position]    TEXT COLLATE NOCASE,
    [Next Optical Device] TEXT COLLATE NOCASE,
    [Summary]             TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Shutters ID Available] ON [Available Shutters] ([ID Available]);

CREATE TABLE [Available Stages] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Stages ID Available] ON [Available Stages] ([ID Available]);

CREATE TABLE [Available Status Signals] (
    [ID Available]   TEXT COLLATE NOCASE,
    [Status]         TEXT COLLATE NOCASE,
    [ID Potential]   TEXT COLLATE NOCASE,
    [Control]        TEXT COLLATE NOCASE,
    [Characteristic] TEXT COLLATE NOCASE,
    [Summary]        TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Status Signals ID Available] ON [Available Status Signals] ([ID Available]);

CREATE TABLE [Available Switches] (
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
CREATE INDEX [idx Available Switches ID Available] ON [Available Switches] ([ID Available]);

CREATE TABLE [Available Temperature Sensors] (
    [ID Available] TEXT COLLATE NOCASE,
    [Status]       TEXT COLLATE NOCASE,
    [ID Potential] TEXT COLLATE NOCASE,
    [Control]      TEXT COLLATE NOCASE,
    [Summary]      TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available Temperature Sensors ID Available] ON [Available Temperature Sensors] ([ID Available]);

CREATE TABLE [Available ZLift] (
    [ID Available]      TEXT COLLATE NOCASE,
    [Status]            TEXT COLLATE NOCASE,
    [ID Potential]      TEXT COLLATE NOCASE,
    [Control]           TEXT COLLATE NOCASE,
    [Revolver Position] INTEGER,
    [Summary]           TEXT COLLATE NOCASE
);
CREATE INDEX [idx Available ZLift ID Available] ON [Available ZLift] ([ID Available]);
CREATE INDEX [idx Available ZLift Revolver Position] ON [Available ZLift] ([Revolver Position]);
CREATE INDEX [idx Available ZLift ID Potential] ON [Available ZLift] ([ID Potential]);
