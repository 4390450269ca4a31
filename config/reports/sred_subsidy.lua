-- The average-earnings certificate for a housing subsidy: GetSred(tn, months)
-- shows the employee's earnings of the months before the working month and
-- their monthly average; 1, or 0 after saying why.
function GetSred(tn, months)
    return Payroll.average_certificate(tn, months, "для назначения субсидии")
end
