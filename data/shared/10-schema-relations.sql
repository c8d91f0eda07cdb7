-- Relations between tables. The engine has no named relations, so each relation is a row:
-- the referencing table and column and the referenced table and column. The relation name is
-- the referenced table's name followed by the referencing table's name.

CREATE TABLE [MSysRelationships] (
    [szRelationship]     TEXT COLLATE NOCASE,
    [szObject]           TEXT COLLATE NOCASE,
    [szReferencedObject] TEXT COLLATE NOCASE,
    [szColumn]           TEXT COLLATE NOCASE,
    [szReferencedColumn] TEXT COLLATE NOCASE
);
CREATE INDEX [idx MSysRelationships szRelationship] ON [MSysRelationships] ([szRelationship]);
