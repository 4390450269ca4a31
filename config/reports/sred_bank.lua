-- The average-earnings certificate for a bank: GetSred2(tn, months) shows the
-- employee's earnings of the months before the working month and their
-- monthly average; 1, or 0 after saying why.
function GetSred2(tn, months)
    return Payroll.average_certificate(tn, months, "для представления в банк")
end
