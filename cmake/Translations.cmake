# The desktop program's translations. resources/translations/tessel_LANG.ts
# holds each language's texts; lupdate finds the texts in the sources (tr(),
# and TESSEL_SHOWN in the logic libraries), lrelease turns each .ts into a .qm
# that is compiled into the target under :/translations.
#
#   cmake --build build/default --target update_translations
# brings the .ts files in step with the sources; a translator then fills in
# what is new. translations_check keeps a copy of each .ts brought in step the
# same way, which the translation test reads to find texts left untranslated.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

function(tessel_translations target)
  file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/translations/*.ts)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
  # The command-line tool speaks English only.
  list(FILTER sources EXCLUDE REGEX "/src/cli/")
  set(source_list ${CMAKE_CURRENT_BINARY_DIR}/translated_sources.txt)
  list(JOIN sources "\n" source_lines)
  file(GENERATE OUTPUT ${source_list} CONTENT "${source_lines}\n")
  set(lupdate_options -silent -no-obsolete -locations none -tr-function-alias QT_TRANSLATE_NOOP+=TESSEL_SHOWN
                      -I ${PROJECT_SOURCE_DIR}/src)

  add_custom_target(update_translations
    COMMAND Qt6::lupdate ${lupdate_options} @${source_list} -ts ${ts_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Bringing the translations in step with the sources"
    VERBATIM)

  set(qm_files)
  set(checked_files)
  foreach(ts IN LISTS ts_files)
    get_filename_component(stem ${ts} NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/translations/${stem}.qm)
    add_custom_command(
      OUTPUT ${qm}
      COMMAND Qt6::lrelease -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "Making the ${stem} translation"
      VERBATIM)
    list(APPEND qm_files ${qm})
    set(checked ${CMAKE_CURRENT_BINARY_DIR}/translations_check/${stem}.ts)
    add_custom_command(
      OUTPUT ${checked}
      COMMAND ${CMAKE_COMMAND} -E copy ${ts} ${checked}
      COMMAND Qt6::lupdate ${lupdate_options} @${source_list} -ts ${checked}
      DEPENDS ${ts} ${sources}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      COMMENT "Comparing the ${stem} translation with the sources"
      VERBATIM)
    list(APPEND checked_files ${checked})
  endforeach()
  qt_add_resources(${target} "translations" PREFIX "/translations" BASE ${CMAKE_CURRENT_BINARY_DIR}/translations
                   FILES ${qm_files})
  add_custom_target(translations_check DEPENDS ${checked_files})
  set(TESSEL_CHECKED_TRANSLATIONS ${CMAKE_CURRENT_BINARY_DIR}/translations_check CACHE INTERNAL
      "Where translations_check keeps the translations brought in step with the sources")
endfunction()
