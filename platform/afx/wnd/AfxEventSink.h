// Event sink maps: how a control (the grid) raises "event N with these
// arguments" and the handler of the window that holds it runs.
//
//   BEGIN_EVENTSINK_MAP(CMyView, CFormView)
//       ON_EVENT(CMyView, IDC_GRID, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PBOOL)
//   END_EVENTSINK_MAP()
//
// The control calls AfxFireEvent(this, 3, {AfxEventArg(col), AfxEventArg(row),
// AfxEventArg(&text), AfxEventArg(&cancel)}). Each argument is converted to
// the handler's own parameter type: numbers by value, and numbers, flags and
// texts by reference (short*, long*, BOOL*, bool*, double*, CString*); a value
// written through a reference of another width is copied back after the call.
// The VTS_ parameter list is documentation only: the handler's signature rules.
#pragma once
#include "wnd/AfxWinTypes.h"
#include <initializer_list>
#include <utility>
#include <vector>

class CCmdTarget;
class CWnd;

class AfxEventArg {
public:
    enum Kind { Number, Real, Text, RefShort, RefLong, RefInt, RefBool, RefReal, RefText };
    AfxEventArg(short v) : m_kind(Number), m_number(v) {}
    AfxEventArg(int v) : m_kind(Number), m_number(v) {}
    AfxEventArg(long v) : m_kind(Number), m_number(v) {}
    AfxEventArg(double v) : m_kind(Real), m_real(v) {}
    AfxEventArg(const char* v) : m_kind(Text), m_text(v) {}
    AfxEventArg(const CString& v) : m_kind(Text), m_text(v) {}
    AfxEventArg(short* p) : m_kind(RefShort), m_ptr(p) {}
    AfxEventArg(long* p) : m_kind(RefLong), m_ptr(p) {}
    AfxEventArg(int* p) : m_kind(RefInt), m_ptr(p) {}
    AfxEventArg(bool* p) : m_kind(RefBool), m_ptr(p) {}
    AfxEventArg(double* p) : m_kind(RefReal), m_ptr(p) {}
    AfxEventArg(CString* p) : m_kind(RefText), m_ptr(p) {}

    Kind kind() const { return m_kind; }
    double real() const;            // any numeric kind, by value or through its reference
    long long number() const { return (long long)real(); }
    CString text() const;
    void setReal(double v) const;   // writes through a numeric reference
    void* ptr() const { return m_ptr; }

private:
    Kind m_kind;
    long long m_number = 0;
    double m_real = 0;
    CString m_text;
    void* m_ptr = nullptr;
};

typedef std::vector<AfxEventArg> AfxEventArgs;
typedef void (*AFX_EVENTTHUNK)(CCmdTarget* pTarget, const AfxEventArgs& args);

struct AFX_EVENTSINKMAP_ENTRY {
    UINT nCtrlID;
    long dispid;
    AFX_EVENTTHUNK pfn;
};

struct AFX_EVENTSINKMAP {
    const AFX_EVENTSINKMAP* (*pfnGetBaseMap)();
    const AFX_EVENTSINKMAP_ENTRY* lpEntries;
};

// Raises event `dispid` of `pControl` in the event sink map of the window that
// holds it (its parent). TRUE when a handler ran.
BOOL AfxFireEvent(CWnd* pControl, long dispid, const AfxEventArgs& args);

namespace afx_detail {

// One handler parameter made from one event argument; references of another
// width get a temporary that is copied back when the call is over.
template <class T> struct EventParam {
    explicit EventParam(const AfxEventArg& a) : m_v((T)a.real()) {}
    T get() { return m_v; }
    T m_v;
};
template <> struct EventParam<CString> {
    explicit EventParam(const AfxEventArg& a) : m_v(a.text()) {}
    CString get() { return m_v; }
    CString m_v;
};
template <> struct EventParam<const char*> {
    explicit EventParam(const AfxEventArg& a) : m_v(a.text()) {}
    const char* get() { return m_v; }
    CString m_v;
};
template <> struct EventParam<CString*> {
    explicit EventParam(const AfxEventArg& a) : m_arg(a), m_v(a.text()) {}
    ~EventParam()
    {
        if (m_arg.kind() == AfxEventArg::RefText)
            *static_cast<CString*>(m_arg.ptr()) = m_v;
    }
    CString* get() { return &m_v; }
    const AfxEventArg& m_arg;
    CString m_v;
};
template <class T> struct EventParam<T*> {
    explicit EventParam(const AfxEventArg& a) : m_arg(a), m_v((T)a.real()) {}
    ~EventParam() { m_arg.setReal((double)m_v); }
    T* get() { return &m_v; }
    const AfxEventArg& m_arg;
    T m_v;
};
template <class T> struct EventParam<T&> : EventParam<T*> {
    using EventParam<T*>::EventParam;
    T& get() { return *EventParam<T*>::get(); }
};

template <class PMF, PMF P> struct EventThunk;
template <class C, class R, class... A, R (C::*P)(A...)> struct EventThunk<R (C::*)(A...), P> {
    static void call(CCmdTarget* t, const AfxEventArgs& args)
    {
        invoke(static_cast<C*>(t), args, std::index_sequence_for<A...>());
    }
    template <std::size_t... I>
    static void invoke(C* c, const AfxEventArgs& args, std::index_sequence<I...>)
    {
        static const AfxEventArg missing(0);
        [&](auto&&... params) { (c->*P)(params.get()...); }(
            EventParam<std::remove_const_t<A>>(I < args.size() ? args[I] : missing)...);
    }
};

} // namespace afx_detail

#define VTS_I2 "I2 "
#define VTS_I4 "I4 "
#define VTS_R8 "R8 "
#define VTS_BOOL "BOOL "
#define VTS_BSTR "BSTR "
#define VTS_PI2 "PI2 "
#define VTS_PI4 "PI4 "
#define VTS_PR8 "PR8 "
#define VTS_PBOOL "PBOOL "
#define VTS_PBSTR "PBSTR "
#define VTS_NONE ""
#define DISPID_CLICK (-600)
#define DISPID_DBLCLICK (-601)
#define DISPID_KEYDOWN (-602)

#define DECLARE_EVENTSINK_MAP()                                                \
protected:                                                                     \
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();                      \
    const AFX_EVENTSINKMAP* GetEventSinkMap() const override;                  \
                                                                               \
private:

#define BEGIN_EVENTSINK_MAP(theClass, baseClass)                               \
    const AFX_EVENTSINKMAP* theClass::GetEventSinkMap() const { return GetThisEventSinkMap(); } \
    const AFX_EVENTSINKMAP* theClass::GetThisEventSinkMap()                    \
    {                                                                          \
        typedef baseClass TheBaseClass;                                        \
        static const AFX_EVENTSINKMAP_ENTRY _eventEntries[] = {

#define ON_EVENT(theClass, id, dispid, pfnHandler, vtsParams)                  \
    { (UINT)(id), (long)(dispid),                                              \
      &afx_detail::EventThunk<decltype(&theClass::pfnHandler), &theClass::pfnHandler>::call },

#define END_EVENTSINK_MAP()                                                    \
        { 0, 0, nullptr } };                                                   \
        static const AFX_EVENTSINKMAP eventsinkMap = { &TheBaseClass::GetThisEventSinkMap, &_eventEntries[0] }; \
        return &eventsinkMap;                                                  \
    }
