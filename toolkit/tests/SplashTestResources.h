#pragma once
#define IDB_TEST_SPLASH 149
