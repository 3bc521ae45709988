sortiva_add_test(tst_download update/tst_download.cpp)
sortiva_add_test(tst_updatecheck update/tst_updatecheck.cpp)
sortiva_add_test(tst_form8 update/tst_form8.cpp GUI)
sortiva_add_test(tst_mainwindowupdates update/tst_mainwindowupdates.cpp GUI)
