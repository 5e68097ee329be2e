# core: the document, the engine and the files. model/, calculation/ and persistence/ refer to
# each other, so they build as one library; it links Qt Core and Gui only, never Widgets.
m2_glob_library(core ${PROJECT_SOURCE_DIR}/model ${PROJECT_SOURCE_DIR}/calculation
    ${PROJECT_SOURCE_DIR}/persistence)
target_link_libraries(core ${M2_core_KIND} settings htl Qt5::Core Qt5::Gui)
# The material database payload is enciphered with AES through OpenSSL's EVP interface.
find_package(OpenSSL REQUIRED)
target_link_libraries(core PRIVATE OpenSSL::Crypto)
