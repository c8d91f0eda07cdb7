-- Identity of the demo installation: release, stand, heads and the relations the
-- engine keeps as rows.

-- Release of the database. The readout marks the third digit of a 3.2.0x release.
INSERT INTO [System Versions] ([Version Name], [Release Date], [Summary])
    VALUES ('3.2.01', '2006-03-14 09:30:00', 'Demo installation, base port scan head');

-- The system row: an inverted stand with a VTX scan head on the base port, a visible/UV laser
-- module and an FCS head on the side port (its page holds the fading voltages). The
-- configuration name carries an ampersand on purpose.
INSERT INTO [Available Systems] ([ID Available], [ID Configuration], [ID Stand], [ID Scan Unit], [ID Laser Module], [ID FCS Unit], [NDD], [Summary])
    VALUES ('VANTIX', 'Demo Lab & Imaging', 'InvertaM2', 'VTX 5 Head', 'LM Vis/UV 5 Lines', 'FCS Head', 0, 'Confocal system on Inverta M2');

-- Relations between installation tables. The editor drops the shutter relation from the working
-- copy at start-up so that shutters can be moved between interfaces.
INSERT INTO [MSysRelationships] ([szRelationship], [szObject], [szReferencedObject], [szColumn], [szReferencedColumn])
    VALUES ('Available InterfacesAvailable Shutters', 'Available Shutters', 'Available Interfaces', 'Control', 'ID Available');
INSERT INTO [MSysRelationships] ([szRelationship], [szObject], [szReferencedObject], [szColumn], [szReferencedColumn])
    VALUES ('Available FiltersetsAvailable FilterPlacement', 'Available FilterPlacement', 'Available Filtersets', 'ID Available', 'ID Available');
INSERT INTO [MSysRelationships] ([szRelationship], [szObject], [szReferencedObject], [szColumn], [szReferencedColumn])
    VALUES ('Potential FiltersAvailable FilterPlacement', 'Available FilterPlacement', 'Potential Filters', 'ID Potential', 'ID Potential');
