# Seeded runs of tavolex-cli, short enough for every build (the sanitizer build too), under the
# default and under the standard rules: random play against each level, and a computer-against-
# computer match for every ordered pair of levels, which fails on any lay-down the player would
# be refused.
set(LEVELS beginner advanced expert)
foreach(preset default standard)
    if(preset STREQUAL "standard")
        set(rules --standard-rules)
    else()
        set(rules)
    endif()
    foreach(level ${LEVELS})
        add_test(NAME cli_monkey_${preset}_${level}
                 COMMAND tavolex-cli monkey --opponent ${level} --hands 150 --seed 17 ${rules})
        foreach(opponent ${LEVELS})
            add_test(NAME cli_match_${preset}_${level}_${opponent}
                     COMMAND tavolex-cli match --player ${level} --opponent ${opponent}
                             --matches 20 --seed 17 ${rules})
        endforeach()
    endforeach()
endforeach()

# Lobby clients chatting and agreeing on matches on the real server.
if(TARGET tavolex-server)
    add_test(NAME cli_lobby_chat
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/app/lobby_chat.sh $<TARGET_FILE:tavolex-cli>
                     $<TARGET_FILE:tavolex-server>)
    set_tests_properties(cli_lobby_chat PROPERTIES TIMEOUT 60)
    add_test(NAME cli_lobby_invitations
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/app/lobby_invitations.sh
                     $<TARGET_FILE:tavolex-cli> $<TARGET_FILE:tavolex-server>)
    set_tests_properties(cli_lobby_invitations PROPERTIES TIMEOUT 120)
    add_test(NAME cli_netplay_server
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/app/netplay_server.sh $<TARGET_FILE:tavolex-cli>
                     $<TARGET_FILE:tavolex-server>)
    set_tests_properties(cli_netplay_server PROPERTIES TIMEOUT 120)
endif()
