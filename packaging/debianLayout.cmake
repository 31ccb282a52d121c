# Run by CPack on the staged files before it packs them: Debian keeps the commands of games in
# /usr/games, and strips binaries of the sections dh_strip removes.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/velquist" "${usr}/games/velquist")
file(REMOVE_RECURSE "${usr}/bin")
execute_process(
    COMMAND "${CPACK_VELQUIST_STRIP}" --remove-section=.comment --remove-section=.note
        "${usr}/lib/velquist/velquist"
    COMMAND_ERROR_IS_FATAL ANY)
