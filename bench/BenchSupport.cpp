#include "BenchSupport.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QDate>
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {

bool Localdb(const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QStringLiteral(VORNAL_SOURCE_DIR "/tools/localdb"), arguments);
    return tool.waitForFinished(120000) && tool.exitCode() == 0;
}

} // namespace

BenchOptions ParseBenchOptions(const QStringList& args, int rounds)
{
    BenchOptions options;
    options.dir = QDir::homePath() + QStringLiteral("/.local/share/vornal/bench-localdb");
    options.rounds = rounds;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--dir"))
            options.dir = args[i + 1];
        else if (args[i] == QLatin1String("--port"))
            options.port = args[i + 1];
        else if (args[i] == QLatin1String("--buffer-pool"))
            options.bufferPool = args[i + 1];
        else if (args[i] == QLatin1String("--rows"))
            options.rows = std::max(1000L, args[i + 1].toLong());
        else if (args[i] == QLatin1String("--rounds"))
            options.rounds = std::max(1, args[i + 1].toInt());
    }
    return options;
}

bool StartBenchDatabase(const BenchOptions& options, const QString& database)
{
    QStringList start{"start", "--dir", options.dir, "--port", options.port, "--db", database};
    if (!options.bufferPool.isEmpty())
        start << "--buffer-pool" << options.bufferPool;
    if (!Localdb(start)
        || !Localdb({"newdb", database, "--dir", options.dir}))
        return false;
    SetDriverId(1);
    SetServerName(CString(QStringLiteral("127.0.0.1:") + options.port));
    SetDataBaseName(CString(database));
    SetUserID("root");
    SetUserPassword("");
    return InitDll() != 0;
}

bool StartBenchScripts(const QString& archive)
{
    appcore::ScriptHooks& hooks = appcore::GetScriptHooks();
    hooks.reportError = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
    hooks.messageBox = [](const std::string& text, const std::string&, unsigned) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return appcore::kIdOk;
    };
    hooks.log = [](const std::string&) {};
    if (!GetDataArchive()->LoadFile(archive.toUtf8().constData()))
        return false;
    return CInterpriter::mcc_dll_Global_init0() && CInterpriter::GetMain()->LoadConfiguration(*GetDataArchive());
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Ten kinds of operation spread over 2024: cash, bank, advances to employees,
// suppliers, stock; each posting's day, amount and analytic values vary with n.
const char* const kBenchYearOfPostings =
    "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,kred0,kred1,kred2,kred3,"
    "kred_sb1,kred_sb2,kol,s,prim,fil_id) "
    "select seq div 4 + 1, seq mod 4 + 1, '2024-01-01' + interval (seq mod 366) day, "
    "elt(k,'1','1','1','1','1','1','1','2','2','1'), elt(k,'201','201','208','401','302','201','105','201','201','302'), "
    "elt(k,'34','11','12','02','34','34','36','34','11','26'), elt(k,'510','510','560','226','830','510','340','510','510','830'), "
    "elt(k,null,'1',tn,null,contr,null,mat,null,'2',contr), elt(k,null,null,'226000',null,'340000',null,'1',null,null,'226000'), "
    "elt(k,'1','1','1','1','1','1','1','2','2','1'), elt(k,'201','401','201','208','201','208','302','201','401','201'), "
    "elt(k,'11','01','34','12','11','12','34','11','01','11'), elt(k,'610','130','610','660','610','660','730','610','130','610'), "
    "elt(k,'1',null,null,tn,'1',tn,contr,'2',null,'1'), elt(k,null,null,null,'226000',null,'226000','340000',null,null,null), "
    "if(k=7,1 + seq mod 20,null), 1 + (seq * 37) mod 100000 / 100, 'Операция', 1 + seq mod 2 "
    "from (select seq, 1 + seq mod 10 as k, 1 + seq mod 5 as tn, 1 + seq mod 4 as contr, 1 + seq mod 5 as mat "
    "from seq_0_to_499999) q";

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string BenchConnectionString()
{
    return BuildConnectionString(1, GetServerName(), GetDataBaseName(), "root", "").ToStdString();
}

std::string BenchRegisterYear(long rows, int year)
{
    // kind, debit (source, synthetic, analytic, KOSGU), credit; "" for no side.
    static const char* const kinds[25][2] = {
        {"120134510", "120111610"}, {"120134510", "120121610"}, {"120134510", "120531660"}, {"120134510", "120621660"},
        {"120134510", "120623660"}, {"120134510", "120812660"}, {"120134510", "120822660"}, {"120134510", "120834660"},
        {"120134510", "121002660"}, {"120134510", "130405000"}, {"130211830", "120134610"}, {"130221830", "120134610"},
        {"130222830", "120134610"}, {"130223830", "120134610"}, {"130225830", "120134610"}, {"130226830", "120134610"},
        {"130234830", "120134610"}, {"130301830", "120134610"}, {"120826560", "120134610"}, {"120626560", "120134610"},
        {"120111510", "130405000"}, {"110532340", "130234730"}, {"101700000", ""},          {"220111510", "220531660"},
        {"240102226", "230226730"}};
    QString table;
    for (int k = 0; k < 25; ++k) {
        const QString d = QString::fromLatin1(kinds[k][0]), c = QString::fromLatin1(kinds[k][1]);
        auto part = [](const QString& code, int from, int length) {
            return code.isEmpty() ? QStringLiteral("null") : "'" + code.mid(from, length) + "'";
        };
        table += QStringLiteral("%1select %2 as k,%3 as d0,%4 as d1,%5 as d2,%6 as d3,%7 as k0,%8 as k1,%9 as k2,%10 as k3")
                     .arg(k ? " union all " : "")
                     .arg(k)
                     .arg(part(d, 0, 1), part(d, 1, 3), part(d, 4, 2), part(d, 6, 3), part(c, 0, 1), part(c, 1, 3),
                          part(c, 4, 2), part(c, 6, 3));
    }
    const int days = QDate(year, 12, 31).dayOfYear();
    return QStringLiteral(
               "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,kbk_deb,kred0,kred1,kred2,kred3,"
               "kred_sb1,kbk_kred,kol,s,prim,fil_id) "
               "select seq div 4 + 1, seq mod 4 + 1, '%1-01-01' + interval (seq mod %2) day, "
               "t.d0, t.d1, t.d2, t.d3, 1 + seq mod 4, "
               "if(t.d0='2', 3, 1) + (seq div 25) mod 2, t.k0, t.k1, t.k2, t.k3, if(t.k1 is null, null, 1 + seq mod 4), "
               "if(t.k1 is null, null, if(t.d0='2', 3, 1) + (seq div 25) mod 2), if(t.k = 21, 1 + seq mod 20, null), "
               "1 + (seq * 37) mod 100000 / 100, 'Операция', 1 + (seq div 50) mod 2 "
               "from seq_0_to_%3 join (%4) t on t.k = seq mod 25")
        .arg(year)
        .arg(days)
        .arg(rows - 1)
        .arg(table)
        .toStdString();
}
