# Copies one font and its package's copyright file into the game folder.
# Stops the build with a clear message when the font package is missing.
#   cmake -DSOURCE=font.ttf -DLICENCE=copyright -DPACKAGE=pkg -DDEST=x.ttf
#         -DDEST_LICENCE=x.LICENSE.txt -P copy_font.cmake
foreach(file IN ITEMS "${SOURCE}" "${LICENCE}")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR
      "Font file missing: ${file}\n"
      "Install the Debian package ${PACKAGE} (scripts/setup.sh installs everything "
      "listed in scripts/packages.txt).")
  endif()
endforeach()
get_filename_component(folder "${DEST}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(COPY_FILE "${SOURCE}" "${DEST}")
file(COPY_FILE "${LICENCE}" "${DEST_LICENCE}")
