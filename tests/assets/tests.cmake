# Asset tests: what the build ships in build/game/Files/ (sizes, cells, the
# mask rule, wave and Ogg formats, fonts) and that the generator repeats
# itself byte for byte. They read the files with libpng and libvorbisfile
# directly, independent of the game's loaders.
add_executable(assets_test
  ${CMAKE_CURRENT_LIST_DIR}/asset_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/images_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sounds_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generator_test.cpp
)
target_link_libraries(assets_test PRIVATE GTest::gtest GTest::gtest_main PkgConfig::PNG
                      PkgConfig::VORBIS)
target_compile_definitions(assets_test PRIVATE
  CROWNLIFT_ASSETGEN="$<TARGET_FILE:crownlift_assetgen>"
  CROWNLIFT_FILES_DIR="${CROWNLIFT_GAME_DIR}/Files")
add_dependencies(assets_test game_assets)
gtest_discover_tests(assets_test DISCOVERY_TIMEOUT 60)
