sortiva_add_test(tst_listingformat listing/tst_listingformat.cpp)
sortiva_add_test(tst_collections listing/tst_collections.cpp)
sortiva_add_test(tst_folderlist listing/tst_folderlist.cpp)
target_compile_definitions(tst_folderlist PRIVATE
    LISTING_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/listing/golden")
sortiva_add_test(tst_listingexport listing/tst_listingexport.cpp)
sortiva_add_test(tst_form2 listing/tst_form2.cpp GUI)
sortiva_add_test(tst_form5 listing/tst_form5.cpp GUI)
