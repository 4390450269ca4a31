// The bench payroll: the pay records and the month's time sheets of the bench
// staff (StaffData.h), for the benchmarks of the payroll forms. It replaces
// the demo payroll of a fresh bench database: the payroll positions are the
// staff positions with their rates on the staff's pay statements, every
// assignment of an employee is a position row of his pay record (the first
// one the main row; every seventh paid by the hour), each employee gets a
// category and the main statement, and the working month has its days per
// employee and per position row and the hours of the rows paid by the hour.
// Every tenth employee and row has no days yet.
#pragma once

// Fills the payroll for the working month after FillBenchStaff; false when a
// statement failed (the database layer reports it).
bool FillBenchPayroll(long year, long month);

// For the accrual run's benchmark, after FillBenchPayroll: the twelve months
// before the working month of results (the salary of every main row and the
// income tax) and days (the calendar's norm; two days less for every tenth
// employee, whose months have day-by-day marks with two days ill), the
// calendar of those months, the bonus code with a bonus each quarter, and 40
// mothers on leave (every row closed three months ago) with a child under
// one and a half; and the month's sick pay of every tenth employee and
// payments by average earnings of every twentieth, as their forms store them.
bool FillBenchPayrollHistory(long year, long month);
// The mothers FillBenchPayrollHistory sends on leave.
constexpr int kBenchChildren = 40;

// For the payroll reports' benchmarks, after FillBenchPayroll: every month of
// `year` computed for every employee in post (the salary of the main row on
// the main sheet, the hourly rows' pay on sheet 2, the income tax, and the
// writ deduction of every twentieth employee, whose writ stands in
// paymar_isp), the months' employees (paymar_m), their contributions at two
// rates (paymar_per), and the posting 5 entries: the earnings and the tax per
// employee, the contributions at 30.2 % in one sum.
bool FillBenchPayrollYear(long year);
