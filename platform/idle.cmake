# Idle and sleep detection: the plain interfaces and the suspend-clock arithmetic (tw_idle), and the
# desktop's sources of idle time, locks and sleeps through the X server and D-Bus (tw_qtidle).
add_library(tw_idle STATIC idle.cpp)
set_target_properties(tw_idle PROPERTIES AUTOMOC OFF)
target_include_directories(tw_idle PUBLIC ${PROJECT_SOURCE_DIR})

find_package(Qt6 REQUIRED COMPONENTS Gui DBus)
find_path(TW_XCB_SCREENSAVER_INCLUDE_DIR xcb/screensaver.h REQUIRED)
find_library(TW_XCB_SCREENSAVER_LIBRARY xcb-screensaver REQUIRED)
find_library(TW_XCB_LIBRARY xcb REQUIRED)

add_library(tw_qtidle STATIC qt_idle.cpp)
target_include_directories(tw_qtidle PRIVATE ${TW_XCB_SCREENSAVER_INCLUDE_DIR})
target_link_libraries(tw_qtidle PUBLIC tw_idle Qt6::Gui Qt6::DBus
                                PRIVATE ${TW_XCB_SCREENSAVER_LIBRARY} ${TW_XCB_LIBRARY})
