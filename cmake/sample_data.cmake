# The bundled sample card data. The generator writes it into a folder the build owns (the
# tests and the installer read it there); a second step copies it into the program's
# directory only where no ZEMLO.dat is there yet, or where the one there is still the sample
# this build put there earlier. A player's own card data in the program's directory is never
# overwritten, however often the generator is rebuilt.
#   zemlo_sample_data(GENERATOR SAMPLE_DIR PROGRAM_DIR) adds the target sample_data.
function(zemlo_sample_data generator sample_dir program_dir)
    add_custom_command(
        OUTPUT ${sample_dir}/ZEMLO.dat
        COMMAND ${CMAKE_COMMAND} -E make_directory ${sample_dir}
        COMMAND ${generator} ${sample_dir}/ZEMLO.dat
        DEPENDS ${generator}
        COMMENT "Writing the sample card database")
    # No output of its own: it runs at every build, so a removed sample comes back.
    add_custom_target(sample_data ALL
        COMMAND ${CMAKE_COMMAND} -DSAMPLE=${sample_dir}/ZEMLO.dat
                -DTARGET=${program_dir}/ZEMLO.dat -DSTAMP=${sample_dir}/placed.sha256
                -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/place_sample.cmake
        DEPENDS ${sample_dir}/ZEMLO.dat
        VERBATIM)
endfunction()
