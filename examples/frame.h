// Resource ids of frame.cpp.
#define IDR_MAINFRAME 128
#define ID_VIEW_GREET 32771
