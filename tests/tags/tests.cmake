sortiva_add_test(tst_genres tags/tst_genres.cpp)
sortiva_add_test(tst_form7 tags/tst_form7.cpp GUI)
