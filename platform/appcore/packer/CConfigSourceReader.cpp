#include "CConfigSourceReader.h"

#include "FormScript.h"
#include "JsonFields.h"

#include <lua.hpp>

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QSet>

namespace {

// The shell keeps at most 59 submenus per workplace.
constexpr int kMaxMenuLists = 59;
const char kSeparator[] = "System.MenuSeparator";
const char kRecentFiles[] = "System.MRU";

CString Text(const QString& text)
{
    return CString(text);
}

QString Where(const QString& file, const char* what, int index)
{
    return file + ", " + QLatin1String(what) + " " + QString::number(index + 1);
}

QJsonObject ObjectAt(const QJsonArray& array, int index, const QString& where)
{
    if (!array.at(index).isObject())
        ConfigSourceFail(where, "ожидался объект {...}");
    return array.at(index).toObject();
}

int CommandId(const CConfigContents& c, const QString& name)
{
    for (const CCommandRecord& command : c.m_commands)
        if (command.m_strName.ToQString() == name)
            return command.m_nId;
    return 0;
}

} // namespace

void CConfigSourceReader::Fail(const QString& file, const QString& problem) const
{
    ConfigSourceFail(file, problem);
}

QByteArray CConfigSourceReader::ReadBytes(const QString& file)
{
    QString path = m_folder + "/" + file;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        Fail(file, "файл не открывается (" + input.errorString() + ")");
    m_files.push_back(path.toStdString());
    return input.readAll();
}

QJsonDocument CConfigSourceReader::ReadJson(const QString& file)
{
    QByteArray bytes = ReadBytes(file);
    QJsonParseError error;
    QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        int line = 1 + int(bytes.left(error.offset).count('\n'));
        Fail(file + ":" + QString::number(line), "ошибка JSON: " + error.errorString());
    }
    return document;
}

QJsonObject CConfigSourceReader::ReadObject(const QString& file)
{
    QJsonDocument document = ReadJson(file);
    if (!document.isObject())
        Fail(file, "ожидался объект {...}");
    return document.object();
}

QJsonArray CConfigSourceReader::ReadArray(const QString& file)
{
    QJsonDocument document = ReadJson(file);
    if (!document.isArray())
        Fail(file, "ожидался список [...]");
    return document.array();
}

CConfigContents CConfigSourceReader::Read(const std::string& folder)
{
    m_folder = QString::fromStdString(folder);
    m_files.clear();
    CConfigContents c;
    const QString file = "config.json";
    JsonFields main(ReadObject(file), file);
    c.m_strHashKey = Text(main.Text("hash_key", true));
    if (c.m_strHashKey.IsEmpty() || c.m_strHashKey.ToStdString().size() > 63)
        main.Fail("ключ \"hash_key\" должен быть непустым и не длиннее 63 байт");
    c.m_strAuthor = Text(main.Text("author", true));
    c.m_strVersion = Text(main.Text("version", true));
    QJsonArray modules = main.Array("modules", true);
    for (int i = 0; i < modules.size(); ++i) {
        JsonFields module(ObjectAt(modules, i, Where(file, "модуль", i)), Where(file, "модуль", i));
        c.m_modules.push_back({Text(module.Text("name", true)), module.Bool("optional", false)});
        module.Done();
    }
    ReadCommands(main.Text("commands", true), c);
    for (const QJsonValue& script : main.Array("scripts", false))
        AddScript(script.toString(), QString(), c);
    for (const QJsonValue& workplace : main.Array("workplaces", true))
        ReadWorkplace(workplace.toString(), c);
    if (c.m_arms.empty())
        main.Fail("в конфигурации нет ни одного рабочего места");
    ReadBooks(main.Text("books", true), c);
    ReadDocuments(main.Text("documents", true), c);
    ReadForms(main.Text("forms", true), c);
    main.Done();
    return c;
}

void CConfigSourceReader::ReadCommands(const QString& file, CConfigContents& c)
{
    QJsonArray commands = ReadArray(file);
    QSet<int> ids;
    QSet<QString> names;
    for (int i = 0; i < commands.size(); ++i) {
        QString where = Where(file, "команда", i);
        JsonFields f(ObjectAt(commands, i, where), where);
        CCommandRecord command;
        command.m_nId = f.Int("id", true);
        QString name = f.Text("name", true);
        command.m_strName = Text(name);
        command.m_strToolTip = Text(f.Text("tip", false));
        command.m_nWindowId = f.Int("window", false, 0);
        command.m_strRun = Text(f.Text("run", false));
        QString picture = f.Text("picture", false);
        f.Done();
        if (!picture.isEmpty()) {
            QByteArray png = ReadBytes(picture);
            if (QImage().loadFromData(png, "PNG") == false)
                f.Fail("картинка команды \"" + picture + "\" не читается как PNG");
            command.m_picture = png.toStdString();
        }
        if (command.m_nId <= 0 || command.m_nId > 0xFFFF || command.m_nId == 10000)
            f.Fail("id команды должен быть от 1 до 65535 (10000 занят)");
        if (ids.contains(command.m_nId) || names.contains(name))
            f.Fail("команда с таким id или именем уже есть");
        if (name.startsWith("System.") || name.isEmpty() || name == "Dummy")
            f.Fail("имя команды \"" + name + "\" зарезервировано");
        if ((command.m_nWindowId != 0) == !command.m_strRun.IsEmpty())
            f.Fail("у команды должен быть ровно один из ключей \"window\" или \"run\"");
        ids.insert(command.m_nId);
        names.insert(name);
        c.m_commands.push_back(command);
    }
}

QString ScriptSyntaxError(const QByteArray& text, const QString& name)
{
    lua_State* L = luaL_newstate();
    QByteArray chunk = "@" + name.toUtf8();
    int status = luaL_loadbufferx(L, text.constData(), size_t(text.size()), chunk.constData(), "t");
    QString message = status == LUA_OK ? QString() : QString::fromUtf8(lua_tostring(L, -1));
    lua_close(L);
    return message;
}

void CConfigSourceReader::AddScript(const QString& file, const QString& context, CConfigContents& c)
{
    if (file.isEmpty())
        Fail(file, "пустое имя файла сценария");
    QByteArray text = ReadBytes(file);
    // A syntax error is caught here, at build time, rather than at the user's start.
    QString message = ScriptSyntaxError(text, file);
    if (!message.isEmpty())
        Fail(file, "синтаксическая ошибка: " + message);
    c.m_scripts.push_back({Text(context), Text(file), CString(text.constData(), int(text.size()))});
}

void CConfigSourceReader::ReadWorkplace(const QString& file, CConfigContents& c)
{
    JsonFields f(ReadObject(file), file);
    CArmRecord arm;
    QString id = f.Text("id", true);
    arm.m_strId = Text(id);
    arm.m_strCaption = Text(f.Text("caption", true));
    arm.m_nIcon = f.Int("icon", false, 0);
    arm.m_nPeriodMode = f.Int("period_mode", true);
    if (arm.m_nPeriodMode != 0 && arm.m_nPeriodMode != 1)
        f.Fail("\"period_mode\" должен быть 0 (по месяцам) или 1 (по видам периодов)");
    arm.m_bAllowSprAdd = f.Bool("allow_book_add", false) ? TRUE : FALSE;
    for (const CArmRecord& other : c.m_arms)
        if (other.m_strId.ToQString() == id)
            f.Fail("рабочее место \"" + id + "\" уже описано");
    for (const QJsonValue& toolbar : f.Array("toolbars", false)) {
        if (!toolbar.isArray())
            f.Fail("каждая панель в \"toolbars\" должна быть списком имён команд");
        std::vector<CToolbarItem> buttons;
        for (const QJsonValue& button : toolbar.toArray()) {
            QString name = button.toString();
            int commandId = name.isEmpty() ? 0 : CommandId(c, name);
            if (!button.isString() || (!name.isEmpty() && commandId == 0))
                f.Fail("на панели неизвестная команда \"" + name + "\"");
            buttons.push_back({Text(name), name.isEmpty() ? -1 : commandId});
        }
        arm.m_toolbars.push_back(std::move(buttons));
    }
    QJsonArray menu = f.Array("menu", true);
    for (int i = 0; i < menu.size(); ++i) {
        QString where = Where(file, "пункт меню", i);
        JsonFields item(ObjectAt(menu, i, where), where);
        QString caption = item.Text("caption", true);
        short number = AddMenuList(where, SubmenuItems(item), arm, c);
        item.Done();
        arm.m_topMenu.push_back({Text(caption), CString(std::to_string(number)), -1});
    }
    for (const QJsonValue& script : f.Array("scripts", false))
        AddScript(script.toString(), "Arm." + id, c);
    f.Done();
    c.m_arms.push_back(std::move(arm));
}

// The items of a submenu: written in place ("items") or shared by several
// workplaces in a file of their own ("items_file").
QJsonArray CConfigSourceReader::SubmenuItems(JsonFields& f)
{
    QString file = f.Text("items_file", false);
    if (file.isEmpty())
        return f.Array("items", true);
    if (f.Has("items"))
        f.Fail("у подменю должен быть один из ключей \"items\" или \"items_file\"");
    return ReadArray(file);
}

// Adds a numbered menu list (and, depth first, its submenus); returns its number.
short CConfigSourceReader::AddMenuList(const QString& where, const QJsonArray& items, CArmRecord& arm,
                                       const CConfigContents& c)
{
    short number = short(arm.m_menuLists.size() + 1);
    if (number > kMaxMenuLists)
        Fail(where, "у рабочего места больше " + QString::number(kMaxMenuLists) + " подменю");
    arm.m_menuLists[number];
    std::vector<CMunuItem> list;
    for (int i = 0; i < items.size(); ++i) {
        QString itemWhere = where + ", строка " + QString::number(i + 1);
        list.push_back(MenuItem(itemWhere, ObjectAt(items, i, itemWhere), arm, c));
    }
    arm.m_menuLists[number] = std::move(list);
    return number;
}

CMunuItem CConfigSourceReader::MenuItem(const QString& where, const QJsonObject& object, CArmRecord& arm,
                                        const CConfigContents& c)
{
    JsonFields f(object, where);
    CMunuItem item;
    if (f.Bool("separator", false)) {
        item.m_strName = kSeparator;
    } else if (f.Has("items") || f.Has("items_file")) {
        item.m_strCaption = Text(f.Text("caption", true));
        item.m_strName = CString(std::to_string(AddMenuList(where, SubmenuItems(f), arm, c)));
    } else {
        QString command = f.Text("command", true);
        item.m_strCaption = Text(f.Text("caption", command != kRecentFiles));
        item.m_strName = Text(command);
        if (command != kRecentFiles) {
            item.m_nId = CommandId(c, command);
            if (item.m_nId == 0)
                f.Fail("неизвестная команда \"" + command + "\"");
        }
    }
    f.Done();
    return item;
}

void CConfigSourceReader::ReadBooks(const QString& file, CConfigContents& c)
{
    QJsonArray books = ReadArray(file);
    QSet<int> ids;
    for (int i = 0; i < books.size(); ++i) {
        QString where = Where(file, "справочник", i);
        JsonFields f(ObjectAt(books, i, where), where);
        CSprRecord spr;
        spr.m_nId = f.Int("id", true);
        QString table = f.Text("table", false);
        spr.m_strTable = Text(table);
        QString name = f.Text("name", true);
        spr.m_strName = Text(name);
        spr.m_strCaption = Text(f.Text("caption", false, name));
        spr.m_strPicker = Text(f.Text("picker", false, table));
        spr.m_strFieldId = Text(f.Text("key", false, "id"));
        spr.m_strFieldName = Text(f.Text("field", false, "name"));
        spr.m_strSelect = Text(f.Text("select", false));
        QJsonArray fields = f.Array("fields", false);
        for (int k = 0; k < fields.size(); ++k) {
            QString fieldWhere = where + ", поле " + QString::number(k + 1);
            JsonFields field(ObjectAt(fields, k, fieldWhere), fieldWhere);
            spr.m_fields.push_back({Text(field.Text("name", true)), Text(field.Text("caption", true)),
                                    field.Int("width", false, 0), field.Bool("list", true)});
            field.Done();
        }
        f.Done();
        if (spr.m_nId < 0 || spr.m_nId > 199 || ids.contains(spr.m_nId))
            f.Fail("номер справочника должен быть от 0 до 199 и не повторяться");
        if (table.isEmpty() && spr.m_strSelect.IsEmpty())
            f.Fail("у справочника должна быть таблица (\"table\") или запрос (\"select\")");
        if (spr.m_strPicker.IsEmpty())
            spr.m_strPicker = spr.m_strName;
        ids.insert(spr.m_nId);
        c.m_sprs.push_back(std::move(spr));
    }
}

void CConfigSourceReader::ReadDocuments(const QString& file, CConfigContents& c)
{
    QJsonArray kinds = ReadArray(file);
    QSet<int> ids;
    for (int i = 0; i < kinds.size(); ++i) {
        QString where = Where(file, "вид документа", i);
        JsonFields f(ObjectAt(kinds, i, where), where);
        CDocKindRecord kind;
        kind.m_nId = f.Int("id", true);
        kind.m_strTitle = Text(f.Text("title", true));
        kind.m_strTable = Text(f.Text("table", true));
        kind.m_strCounterpart = Text(f.Text("counterpart", false));
        kind.m_strExtra = Text(f.Text("extra", false));
        kind.m_strDocument = Text(f.Text("document", false));
        kind.m_strName = Text(f.Text("name", false));
        f.Done();
        if (ids.contains(kind.m_nId))
            f.Fail("вид документа с таким id уже есть");
        ids.insert(kind.m_nId);
        c.m_docKinds.push_back(std::move(kind));
    }
}

void CConfigSourceReader::ReadForms(const QString& file, CConfigContents& c)
{
    QJsonArray forms = ReadArray(file);
    QSet<QString> contexts;
    for (int i = 0; i < forms.size(); ++i) {
        QString where = Where(file, "форма", i);
        JsonFields f(ObjectAt(forms, i, where), where);
        QString name = f.Text("name", true);
        QString kind = f.Text("kind", false, "grid");
        if (kind == "report") {
            // A report of a module's view or a named report: only its script
            // is kept, in the context of the view's report n; it never opens
            // as a form of its own.
            int report = f.Int("report", false, 0);
            if (report < 0)
                f.Fail("номер отчета (\"report\") не может быть меньше 0");
            QString context = appcore::FormContext(Text(name), report).ToQString();
            QString script = f.Text("script", true);
            f.Done();
            if (contexts.contains(context))
                f.Fail("отчет \"" + context + "\" уже описан");
            contexts.insert(context);
            AddScript(script, context, c);
            continue;
        }
        CFormRecord form;
        form.m_strName = Text(name);
        form.m_strTitle = Text(f.Text("title", true));
        form.m_strKind = Text(kind);
        form.m_nWidth = f.Int("width", false, -1);
        form.m_nHeight = f.Int("height", false, -1);
        QString script = f.Text("script", false);
        f.Done();
        if (kind != "grid")
            f.Fail("неизвестный вид формы \"" + kind + "\" (есть \"grid\" и \"report\")");
        QString context = appcore::FormContext(Text(name), 0).ToQString();
        if (contexts.contains(context))
            f.Fail("форма \"" + name + "\" уже описана");
        contexts.insert(context);
        if (!script.isEmpty())
            AddScript(script, context, c);
        c.m_forms.push_back(std::move(form));
    }
}
