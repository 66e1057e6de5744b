# Seeded runs of tavolex-cli, short enough for every build (the sanitizer build too): random play
# against each level and a computer-against-computer match, under the default rules and under
# the standard rules set value by value as HoyleRules() has them.
set(STANDARD_RULES
    --set "Settings\\Canasta Required=0"
    --set "Settings\\Number of Canastas=2"
    --set "Settings\\Number of Cards=2"
    --set "Settings\\Add to Canasta=0"
    --set "Settings\\Top Card Counts=1"
    --set "Settings\\Initial Block=1"
    --set "Settings\\Natural Pair=0"
    --set "Settings\\Add Existing Meld=0"
    --set "Settings\\Draw Extra=1"
    --set "Settings\\Three Block=0"
    --set "Settings\\Bonus Counts=0"
    --set "Settings\\Initial Block for Both=1"
    --set "Settings\\Wildcard Canasta=0")

foreach(preset default standard)
    if(preset STREQUAL "standard")
        set(rules ${STANDARD_RULES})
    else()
        set(rules)
    endif()
    foreach(level beginner advanced expert)
        add_test(NAME cli_monkey_${preset}_${level}
                 COMMAND tavolex-cli monkey --opponent ${level} --hands 150 --seed 17 ${rules})
    endforeach()
    add_test(NAME cli_match_${preset}
             COMMAND tavolex-cli match --player expert --opponent advanced --matches 100
                     --seed 17 ${rules})
endforeach()

# Two lobby clients chatting on the real server.
if(TARGET tavolex-server)
    add_test(NAME cli_lobby_chat
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/app/lobby_chat.sh $<TARGET_FILE:tavolex-cli>
                     $<TARGET_FILE:tavolex-server>)
    set_tests_properties(cli_lobby_chat PROPERTIES TIMEOUT 60)
endif()
