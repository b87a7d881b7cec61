# The icon's PNG sizes in res/icons (fernbogen-<size>.png), drawn by tools/make-icons: all of them
# go into the hicolor theme; the window carries those a title bar or task switcher draws. The
# largest would add a quarter megabyte to what the window sends the display at every start,
# where menus and docks take the theme's icon anyway.
set(FERNBOGEN_ICON_SIZES 16 32 48 64 128 256)
set(FERNBOGEN_WINDOW_ICON_SIZES 16 32 48 64 128)
set(FERNBOGEN_WINDOW_ICON_FILES)
foreach(size IN LISTS FERNBOGEN_WINDOW_ICON_SIZES)
    list(APPEND FERNBOGEN_WINDOW_ICON_FILES ${CMAKE_CURRENT_LIST_DIR}/icons/fernbogen-${size}.png)
endforeach()
