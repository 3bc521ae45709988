sortiva_add_test(tst_settings app/tst_settings.cpp)
