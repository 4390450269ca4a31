// The year of stock movements the material benchmarks read their balances
// from: 200,000 postings of 2024 over items 1001-1050 ("Материал 1".."50") of
// persons 1-5 on 105.36.
#pragma once

// Replaces the postings with the year and adds the 50 items; false when a
// statement failed.
bool FillStockYear();
