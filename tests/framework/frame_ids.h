// Resource ids of the frame tests (shared by frame.rc and the tests).
#pragma once
#define IDR_TESTFRAME   200
#define IDD_TESTBAR     201
#define ID_TEST_REFRESH 40001
