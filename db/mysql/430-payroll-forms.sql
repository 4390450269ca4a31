-- The bank of each pay sheet, for the heads of its bank lists: settlement
-- account, correspondent account, bank identification code and tax number.
-- Empty columns stand for the institution's own (constants ORG_RS, ORG_KS,
-- ORG_BIK, ORG_INN).
ALTER TABLE nv
  ADD COLUMN rs VARCHAR(20) NULL,
  ADD COLUMN ks VARCHAR(20) NULL,
  ADD COLUMN bik VARCHAR(9) NULL,
  ADD COLUMN inn VARCHAR(12) NULL;
