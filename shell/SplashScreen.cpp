#include "SplashScreen.h"

#include "CWelcomeScreenWnd.h"
#include "SplashPicture.h"

#include <memory>

namespace {

const char* const kInitialText = "Идет загрузка программы";

struct SplashState {
    bool enabled = false;
    bool startupEnded = false;
    bool hidden = false;
    std::unique_ptr<CWelcomeScreenWnd> window;
    CString text = kInitialText;
};

SplashState& State()
{
    static SplashState state;
    return state;
}

void DestroyWindowOf(SplashState& s)
{
    if (s.window && s.window->GetSafeHwnd())
        s.window->DestroyWindow();
    s.window.reset();
}

} // namespace

void EnableSplash()
{
    State().enabled = true;
}

void ShowSplash(CWnd* owner)
{
    SplashState& s = State();
    if (!s.enabled || s.startupEnded)
        return;
    DestroyWindowOf(s);
    const COleDateTime today = COleDateTime::GetCurrentTime();
    auto window = std::make_unique<CWelcomeScreenWnd>();
    if (!window->Create(owner, SplashPictureId(today.GetMonth(), today.GetDay())))
        return;
    window->SetStatusText(s.text);
    s.window = std::move(window);
}

void SetSplashText(LPCTSTR text)
{
    SplashState& s = State();
    s.text = text ? text : "";
    if (s.window)
        s.window->SetStatusText(s.text);
}

CString GetSplashText()
{
    return State().text;
}

void EndSplashStartup()
{
    State().startupEnded = true;
}

void DeleteSplash()
{
    DestroyWindowOf(State());
}

void HideSplashOnFirstMessage(CWnd* mainWnd)
{
    SplashState& s = State();
    if (!s.startupEnded || s.hidden)
        return;
    s.hidden = true;
    DestroyWindowOf(s);
    if (mainWnd && mainWnd->GetSafeHwnd())
        mainWnd->RedrawWindow();
}

CWelcomeScreenWnd* GetSplashWindow()
{
    return State().window.get();
}

void ResetSplash()
{
    SplashState& s = State();
    DestroyWindowOf(s);
    s = SplashState();
}
