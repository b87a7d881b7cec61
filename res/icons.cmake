# The icon's PNG sizes in res/icons (fernbogen-<size>.png), drawn by tools/make-icons: what the
# window embeds and what the install puts into the hicolor theme.
set(FERNBOGEN_ICON_SIZES 16 32 48 64 128 256)
set(FERNBOGEN_ICON_FILES)
foreach(size IN LISTS FERNBOGEN_ICON_SIZES)
    list(APPEND FERNBOGEN_ICON_FILES ${CMAKE_CURRENT_LIST_DIR}/icons/fernbogen-${size}.png)
endforeach()
