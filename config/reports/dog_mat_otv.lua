-- The printed agreement of full material liability: its standard text with
-- the employee, the work the liability is tied to and the head of the
-- branch who signs for the employer. prn(real_id); an agreement not yet
-- stored prints a page that says so.
local L = Ledger

function prn(id)
    local row = L.stored_row("ledmark_dog_mat_otv", "real_id,d,tn,icn,job,txt,prim,fil_id,"
        .. L.as_text("number") .. " as num", id)
    if not row then
        return L.unsaved_page("Договор о полной материальной ответственности")
    end
    local person = L.employee(row.tn)
    local name = person.fio ~= "" and person.fio or L.text(row.icn)
    local head = GetFilRuk(L.integer(row.fil_id) or 1, 0)
    local head_title = GetFilRukDol(L.integer(row.fil_id) or 1)
    return "<html><body>"
        .. "<h3 align=center>ДОГОВОР № " .. L.html(row.num) .. "<br>о полной индивидуальной материальной "
        .. "ответственности</h3>"
        .. "<p align=right>" .. L.date_in_words(row.d) .. "</p>"
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. ", именуемое в дальнейшем «Работодатель», в лице "
        .. L.html(head_title) .. " " .. L.html(head) .. ", с одной стороны, и работник "
        .. L.html(name) .. (L.text(person.dol) ~= "" and (", " .. L.html(person.dol)) or "")
        .. ", именуемый в дальнейшем «Работник», с другой стороны, заключили настоящий договор о нижеследующем:</p>"
        .. "<p>1. Работник, выполняющий работу: <u>" .. L.html(row.job) .. "</u>, непосредственно связанную "
        .. L.html(row.txt) .. ", принимает на себя полную материальную ответственность за недостачу вверенных "
        .. "ему Работодателем ценностей, а также за ущерб, возникший у Работодателя в результате возмещения "
        .. "им ущерба иным лицам, и в связи с изложенным обязуется бережно относиться к переданным ему "
        .. "ценностям, своевременно сообщать о всех обстоятельствах, угрожающих их сохранности, вести учет и "
        .. "участвовать в инвентаризации вверенных ему ценностей.</p>"
        .. "<p>2. Работодатель обязуется создавать Работнику условия, необходимые для нормальной работы и "
        .. "обеспечения полной сохранности вверенных ему ценностей.</p>"
        .. "<p>3. Работник не несет материальной ответственности, если ущерб причинен не по его вине.</p>"
        .. "<p>4. Настоящий договор вступает в силу с момента его подписания и действует на все время работы "
        .. "с вверенными Работнику ценностями.</p>"
        .. (L.text(row.prim) ~= "" and ("<p>Примечание: " .. L.html(row.prim) .. "</p>") or "")
        .. "<table width=100%><tr><td width=50% valign=top>Работодатель<br>" .. L.html(head_title)
        .. "<br><br>_____________ " .. L.html(head) .. "</td>"
        .. "<td valign=top>Работник<br><br><br>_____________ " .. L.html(name) .. "</td></tr></table>"
        .. "</body></html>"
end
