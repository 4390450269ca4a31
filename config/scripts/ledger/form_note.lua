-- The explanatory note (0503160): its title part (form code, institution,
-- period, sources), the headings of its sections for the accountant's text
-- and the signatures. Its tables 0503168 and 0503169 are printed from their
-- own forms.

local L = Ledger

local note_sections = {
    "Раздел 1. Организационная структура субъекта бюджетной отчетности",
    "Раздел 2. Результаты деятельности субъекта бюджетной отчетности",
    "Раздел 3. Анализ отчета об исполнении бюджета субъектом бюджетной отчетности",
    "Раздел 4. Анализ показателей финансовой отчетности субъекта бюджетной отчетности",
    "Раздел 5. Прочие вопросы деятельности субъекта бюджетной отчетности",
}

function L.note_page(from, to, list, branches)
    return L.form_report(from, to, list, branches, function(choice)
        local page = {L.form_heading(choice, {code = "0503160", title = "ПОЯСНИТЕЛЬНАЯ ЗАПИСКА"})}
        for _, section in ipairs(note_sections) do
            page[#page + 1] = "<h4>" .. L.html(section) .. "</h4><p>&nbsp;</p>"
        end
        page[#page + 1] = L.form_signatures() .. "</body></html>"
        return table.concat(page, "\n")
    end)
end
