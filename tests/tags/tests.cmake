sortiva_add_test(tst_genres tags/tst_genres.cpp)
