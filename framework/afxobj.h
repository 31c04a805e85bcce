// CObject, run-time class records and CCmdTarget: the roots of the framework's
// class tree and of its message maps.
#pragma once
#include "afxdef.h"

class CObject;
class CWnd;

// CRuntimeClass: the run-time class record: name, size and (for dynamic
// creation) a factory. Never made by hand: DECLARE_DYNAMIC or DECLARE_DYNCREATE
// and their IMPLEMENT_ pair give a class its record, and RUNTIME_CLASS(name)
// reaches it.
struct AFX_FW_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* (*m_pfnGetBaseClass)();

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

// CObject: the root of the framework's class tree: the run-time class record
// (GetRuntimeClass, IsKindOf) that DECLARE_DYNAMIC and DECLARE_DYNCREATE give a
// class, and with it dynamic creation (RUNTIME_CLASS(name)->CreateObject()).
// Derive from it; it is never made on its own.
class AFX_FW_API CObject
{
public:
    virtual ~CObject() {}
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* _GetBaseClass() { return nullptr; }

protected:
    CObject() {}

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    static CRuntimeClass* _GetBaseClass(); \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* CreateObject();

#define _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass* class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); } \
    CRuntimeClass class_name::class##class_name = { \
        #class_name, (int)sizeof(class_name), wSchema, pfnNew, &class_name::_GetBaseClass }; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() { return new class_name; } \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// ---- message maps -------------------------------------------------------

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)(void);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message
    UINT nCode;      // notification code (WM_COMMAND) or 0
    UINT nID;        // first control id (WM_COMMAND) or 0
    UINT nLastID;    // last control id of a range
    UINT_PTR nSig;   // handler signature, one of AfxSig
    AFX_PMSG pfn;    // handler
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const; \
    friend struct AfxMessageMapAccess;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, 0, (AFX_PMSG)0 } }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

// Command codes of OnCmdMsg: a menu item, accelerator or button command.
#define CN_COMMAND 0

// Filled by OnCmdMsg instead of calling the handler: who would handle it.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// CCmdTarget: the base of every class that receives messages through a map.
// Derive from it (usually through CWnd), declare DECLARE_MESSAGE_MAP and write
// the map between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP.
class AFX_FW_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() {}
    const AFX_MSGMAP* GetMessageMapPublic() const { return GetMessageMap(); }
    // Calls this object's handler of command nID with code nCode (ON_COMMAND,
    // ON_COMMAND_RANGE, ON_CONTROL entries); FALSE when it has none. With
    // pHandlerInfo, only says who would handle it. Frames override it to
    // route a command through their view and the application as well.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    // Finds the first entry for a message (and command code/id) along the
    // class chain, most derived class first.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg,
                                                    UINT nCode, UINT nID);
protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
