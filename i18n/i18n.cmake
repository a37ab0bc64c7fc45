# The translations: i18n/kirabo_*.ts are compiled by lrelease and built into
# the platform library as resources under :/i18n.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(kirabo_i18n_dir ${CMAKE_SOURCE_DIR}/i18n)
set(kirabo_ts_files ${kirabo_i18n_dir}/kirabo_en.ts)
qt_add_lrelease(kirabo_platform_qt TS_FILES ${kirabo_ts_files} QM_FILES_OUTPUT_VARIABLE kirabo_qm_files)
qt_add_resources(kirabo_platform_qt kirabo_translations PREFIX /i18n
  BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${kirabo_qm_files})

# `ninja update_translations` adds new texts of the sources to the .ts files
# (as unfinished, for the translator) and drops texts the program no longer has.
add_custom_target(update_translations
  COMMAND ${kirabo_i18n_dir}/lupdate.sh $<TARGET_FILE:Qt6::lupdate> ${kirabo_ts_files}
  VERBATIM)
