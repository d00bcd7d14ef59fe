// Plain types and constants of the window vocabulary: colours, points and
// rectangles, show codes, dialog results, button states, notification codes
// and the messages understood by combo boxes and sliders.
#pragma once

typedef unsigned long COLORREF;  // 0x00BBGGRR
#define RGB(r, g, b) ((COLORREF)(((unsigned)(r)) | ((unsigned)(g) << 8) | ((unsigned)(b) << 16)))
#define GetRValue(c) ((unsigned char)((c) & 0xFF))
#define GetGValue(c) ((unsigned char)(((c) >> 8) & 0xFF))
#define GetBValue(c) ((unsigned char)(((c) >> 16) & 0xFF))

// Two 16-bit halves in one long, as TBM_SETRANGE expects its range.
#define MAKELONG(low, high) ((long)(((unsigned)(low) & 0xFFFF) | (((unsigned)(high) & 0xFFFF) << 16)))
#define LOWORD(value) ((unsigned short)((unsigned long)(value) & 0xFFFF))
#define HIWORD(value) ((unsigned short)(((unsigned long)(value) >> 16) & 0xFFFF))

struct CPoint {
    int x = 0, y = 0;
    CPoint() = default;
    CPoint(int px, int py) : x(px), y(py) {}
};

struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    CRect() = default;
    CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
};

enum { SW_HIDE = 0, SW_SHOW = 5 };  // ShowWindow codes
enum { IDOK = 1, IDCANCEL = 2 };    // DoModal results; -1 when the template is unknown
enum { BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2 };

// Window styles understood by the Create functions: WS_VISIBLE shows the new
// window; the others describe it and are kept for the caller's reference.
enum : unsigned long {
    WS_CHILD = 0x40000000UL, WS_VISIBLE = 0x10000000UL, WS_DISABLED = 0x08000000UL,
    WS_BORDER = 0x00800000UL, WS_VSCROLL = 0x00200000UL, WS_HSCROLL = 0x00100000UL,
    WS_TABSTOP = 0x00010000UL
};

// Command notification codes (reach the parent's OnCommand). Codes below
// zero are notifications (reach the parent's OnNotify).
enum { BN_CLICKED = 0, EN_CHANGE = 0x300, CBN_SELCHANGE = 1, CBN_EDITCHANGE = 5 };
enum { UDN_DELTAPOS = -722,            // a spin box stepped or its value changed by the user
       TRBN_THUMBPOSCHANGING = -1502 }; // a slider moved by the user

// Messages for SendMessage / SendDlgItemMessage (combo boxes and sliders).
enum { CB_ADDSTRING = 0x143, CB_DELETESTRING = 0x144, CB_GETCOUNT = 0x146, CB_GETCURSEL = 0x147,
       CB_GETLBTEXTLEN = 0x149, CB_INSERTSTRING = 0x14A, CB_RESETCONTENT = 0x14B,
       CB_FINDSTRING = 0x14C, CB_SELECTSTRING = 0x14D, CB_SETCURSEL = 0x14E,
       CB_FINDSTRINGEXACT = 0x158 };
// TBM_SETRANGE: wParam redraw, lParam MAKELONG(min, max) (two unsigned 16-bit
// halves); TBM_SETRANGEMIN/MAX: wParam redraw, lParam the bound.
enum { TBM_GETPOS = 1024, TBM_GETRANGEMIN = 1025, TBM_GETRANGEMAX = 1026,
       TBM_SETPOS = 1029, TBM_SETRANGE = 1030, TBM_SETRANGEMIN = 1031, TBM_SETRANGEMAX = 1032 };
enum { CB_ERR = -1 };
