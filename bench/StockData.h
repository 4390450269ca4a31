// The bench stock of the warehouse benchmarks: a year of receipts and issues,
// 100,000 lines in all (50,000 received, 50,000 issued) over 500 materials,
// three departments and five statements, written into the stock tables of
// the connected bench database (which must hold no stock yet).
#pragma once

// FALSE when a statement failed (reported by the database layer).
bool FillStockData(int year);
