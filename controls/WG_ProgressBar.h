// CWG_ProgressBar: a 27-pixel-high bar that fills toward a target percentage
// (2 points a tick toward 100, else 1), a shine sweeping along the fill, and
// a centred "%d%%" label. In thread mode its ticks run on the worker thread
// of its own timer service and it paints from there under the panel's lock.
// CWG_LoopGear: three frames of spinning gears for busy states.
// CWG_StandBrowse: a 58 x 127 zoom slider; the knob's place gives a
// percentage (100 at the centre, 0 at the bottom, above 100 at the top by
// m_nUpperScale), reported to the panel as the code of every knob move.
#pragma once
#include "VRK_WG.h"
#include "WGTimerService.h"

// CWG_ProgressBar: a bar that animates toward the percentage SetProgress
// gives it, made by Create with the panel, position, width and the thread
// mode (nonzero: ticks and paints on a worker thread). Reports nothing.
class WG_API CWG_ProgressBar : public CVRK_WG
{
public:
    enum { HEIGHT = 27 };

    CBitmap m_bmpSkin;          // empty: the shared skin 3010 (thread mode: a copy of its own)
    int m_bTimerPending;        // the timer starts at the first draw
    int m_bThreadMode;          // ticks on the timer service; painting under the panel's lock
    CWGTimerService m_TimerService;   // used only in thread mode
    long m_nShineX;             // x of the shine's left edge in the element
    BLENDFUNCTION m_Blend;      // constant alpha 100 for the shine's end cap
    long m_nFrameElapse;        // timer period, ms
    long m_nShown;              // percentage drawn now
    long m_nProgress;           // target percentage
    int m_bShinePause;          // the shine waits before its next pass
    long m_nPauseTime;          // ms waited so far
    int m_bShowText;            // draw the label
    CString m_strText;          // word after the percentage
    long m_nColorStyle;         // 0 green, 1 red

    CWG_ProgressBar();
    // Stops the timer service first: a tick may be running on the worker.
    // A derived class whose OnTimer uses its own members must call
    // m_TimerService.Stop() in its own destructor.
    virtual ~CWG_ProgressBar();

    // Height is always 27. A thread-mode bar must not be destroyed, nor its
    // settings changed, while the caller holds its panel's lock.
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, int bThreadMode);
    // Percentages outside 0..100 are taken as the nearest end: the fill
    // never leaves the frame.
    void InitProgress(long nValue);         // target and shown, no animation, no repaint
    void SetProgressQuiet(long nValue);     // target only
    void SetProgress(long nValue);          // target; repaints unless in thread mode
    long GetProgress() const { return m_nProgress; }
    // Periods below 1 ms are ignored. A running timer takes the new period.
    void SetFrameElapse(long nElapse);

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnTimer();

protected:
    void SetTimer(long nId, long nElapse);
    void KillTimer(long nId);

private:
    // The panel's lock in thread mode (the worker paints too), else null.
    CRITICAL_SECTION* StateLock() const;
    void DrawShine(CDC* pSkinDC, long nEnd, int yBand);
};

// CWG_LoopGear: spinning gears for a busy state, made by Create with the
// panel, position and size; runs from its first draw, Pause and Resume
// stop and restart it. Reports nothing.
class WG_API CWG_LoopGear : public CVRK_WG
{
public:
    enum { FRAME_W = 83, FRAME_H = 77, FRAMES = 3 };

    CBitmap m_bmpFrames;        // empty: the shared skin 3009; else frames side by side
    int m_bTimerPending;        // the timer starts at the first draw
    long m_nFrame;              // 0..2
    long m_nFrameElapse;        // timer period, ms

    CWG_LoopGear();
    virtual ~CWG_LoopGear();

    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight);
    // Periods below 1 ms are ignored. A running timer takes the new period.
    void SetFrameElapse(long nElapse);
    void Pause();
    void Resume();
    // Frames in the picture: 3, fewer for a narrower picture of the
    // application's. A picture without a whole frame (or none) shows
    // nothing and the gear stands still.
    long FrameCount() const;
    BOOL IsRunning() const { return m_bRunning; }   // between the first draw or Resume and Pause

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnTimer();

private:
    BOOL m_bRunning;            // the panel timer is set
};

// CWG_StandBrowse: a vertical zoom slider made by Create with the panel,
// caption and position; dragging the knob or pressing the track moves it,
// and every move reports the new percentage as the command code.
class WG_API CWG_StandBrowse : public CVRK_WG
{
public:
    enum { WIDTH = 58, HEIGHT = 127, KNOB_TOP = 15, KNOB_CENTRE = 65, KNOB_BOTTOM = 115 };

    int m_bSkinLoaded;          // the skin is at hand
    CBitmap m_bmpSkin;          // empty: the shared skin 3011
    int m_bDragging;
    long m_nDragOffset;         // pointer y minus knob y when the drag began
    long m_nKnobY;              // knob top, kept within 15..115 when drawn
    int m_bMoving;              // the knob walks toward m_nTargetY
    long m_nTargetY;
    CString m_strCaption;
    // Scale of the part above the centre: 2 gives 200% at the top. A
    // negative scale counts as 0 (100% all along the upper part); values
    // too large for a long are capped at its largest value.
    long m_nUpperScale;
    long m_nValue;              // percentage computed at the last draw

    CWG_StandBrowse();
    virtual ~CWG_StandBrowse();

    int Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y);
    // The percentage of knob top y (clamped to 15..115) at scale nUpperScale.
    static long ValueAt(long nKnobY, long nUpperScale);

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonUp(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnMouseWheel(short zDelta);
    virtual void OnTimer();

private:
    // Repaints, then reports the value that repaint computed.
    void ShowAndReport();
};
