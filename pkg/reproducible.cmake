# Run by CPack after the install into its staging folder and before the
# archive is made: every file and folder gets the time SOURCE_DATE_EPOCH,
# so that two builds of one commit give the same package bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
execute_process(
  COMMAND find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
  COMMAND_ERROR_IS_FATAL ANY)
