sortiva_add_test(tst_form1 app/tst_form1.cpp GUI)
sortiva_add_test(tst_settings app/tst_settings.cpp)
sortiva_add_test(tst_startup app/tst_startup.cpp GUI)
