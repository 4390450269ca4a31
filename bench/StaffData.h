// The bench staff: a database the size of a large institution for the
// benchmarks of the staff forms (the position lists and the time sheets). It
// replaces the demo staff of a fresh bench database (StartBenchDatabase), the
// demo user (1) kept: 500 employees in 12 departments and 3 categories, 60
// positions with their rates on four pay statements, four tariffication
// forms of types 1 to 4, about 600 assignments (second positions held in
// combination, a few ended, ten vacancies) spread over the forms, and a month
// of time-sheet marks.
#pragma once

// What FillBenchStaff writes.
constexpr int kBenchEmployees = 500;

// Fills the staff for the working month (year, month), `employees` of them
// (the assignments, marks and vacancies in the same proportions); false when
// a statement failed (the database layer reports it).
bool FillBenchStaff(long year, long month, int employees = kBenchEmployees);
constexpr int kBenchDepartments = 12;
constexpr int kBenchCategories = 3;
constexpr int kBenchPositions = 60;
constexpr int kBenchVacancies = 10;
constexpr int kBenchForms = 4;
// The pay statements the positions have rates on (statement 4 is left alone).
constexpr int kBenchStatements[] = {1, 2, 3, 5};
