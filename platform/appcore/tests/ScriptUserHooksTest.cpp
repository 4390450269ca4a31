// Routed to the user, script errors and the scripts' questions are message
// boxes of the interaction point, answered here by the interaction script.
#include "CInterpriter.h"
#include "ScriptHooks.h"
#include "ScriptUserHooks.h"

#include "InteractionScript.h"

#include <gtest/gtest.h>

TEST(ScriptUserHooks, ErrorsAndQuestionsAreMessageBoxes)
{
    appcore::ScriptHooks saved = appcore::GetScriptHooks();
    appcore::RouteScriptMessagesToUser();
    CInterpriter interpriter;
    ASSERT_TRUE(interpriter.LoadScript(nullptr, "ui.lua", R"lua(
        function Ask() if app.question("Удалить проводку?") then return 1 end return 2 end
        function Fails() error("нет такого счёта") end
    )lua"));
    {
        afxtest::InteractionScript script;
        script.message("Удалить проводку?", IDYES)
            .message("Удалить проводку?", IDNO)
            .messageContaining("нет такого счёта", IDOK);
        std::string answer;
        EXPECT_TRUE(interpriter.Evaluate("Ask()", nullptr, answer));
        EXPECT_EQ(answer, "1");
        EXPECT_TRUE(interpriter.Evaluate("Ask()", nullptr, answer));
        EXPECT_EQ(answer, "2");
        EXPECT_FALSE(interpriter.Evaluate("Fails()", nullptr, answer));
        script.verify();
    }
    appcore::GetScriptHooks() = saved;
}
