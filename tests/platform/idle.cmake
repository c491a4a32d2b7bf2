# Idle and sleep detection: the fakes that tests of the idle logic link, the fake desktop services
# the D-Bus sources are tried against, and their tests, which start their own message bus and X
# server.
add_library(tw_fakeidle STATIC ${PROJECT_SOURCE_DIR}/tests/support/fake_idle.cpp)
set_target_properties(tw_fakeidle PROPERTIES AUTOMOC OFF)
target_link_libraries(tw_fakeidle PUBLIC tw_idle)

add_executable(fake_desktop_bus fake_desktop_bus.cpp)
target_link_libraries(fake_desktop_bus PRIVATE Qt6::DBus)

add_executable(tests_idle idle_test.cpp)
target_link_libraries(tests_idle PRIVATE tw_qtidle GTest::gtest ${TW_XCB_LIBRARY})
target_compile_definitions(tests_idle PRIVATE
                           TW_FAKE_DESKTOP_BUS="$<TARGET_FILE:fake_desktop_bus>")
add_dependencies(tests_idle fake_desktop_bus)
add_test(NAME tests_idle COMMAND tests_idle)
