-- The version of each stored document: a form keeps the version it loaded,
-- and a save over another version (another user saved the document since) is
-- refused. Every save of a stored document raises it under the lock of the
-- document's row; a document that has never been saved again has none (0).

CREATE TABLE system_doc_version (
  tbl VARCHAR(64) NOT NULL,                     -- the document's header table
  real_id INT NOT NULL,                         -- the key of its row
  ver INT NOT NULL,                             -- saves of the stored row so far
  PRIMARY KEY (tbl, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
