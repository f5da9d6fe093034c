# cmake -DSAMPLE=FILE -DTARGET=FILE -DSTAMP=FILE -P place_sample.cmake
# Copies the sample to TARGET where TARGET is missing or is still the sample placed earlier
# (its SHA-256 is kept in STAMP); any other file there is the player's and stays as it is.
file(SHA256 "${SAMPLE}" sample_hash)
set(placed_hash "")
if(EXISTS "${STAMP}")
    file(READ "${STAMP}" placed_hash)
    string(STRIP "${placed_hash}" placed_hash)
endif()

if(IS_SYMLINK "${TARGET}" OR IS_DIRECTORY "${TARGET}")
    # A link may lead to the player's data elsewhere, even a dangling one; never replace it.
    message(STATUS "${TARGET} is not a plain file; the sample was not written there")
    return()
elseif(EXISTS "${TARGET}")
    file(SHA256 "${TARGET}" target_hash)
    if(target_hash STREQUAL sample_hash)
        file(WRITE "${STAMP}" "${sample_hash}\n")
        return()
    elseif(NOT target_hash STREQUAL placed_hash)
        message(STATUS "${TARGET} is not the sample this build wrote; it stays as it is")
        return()
    endif()
endif()

# Through a temporary file renamed over the target: never half a file in its place.
get_filename_component(target_dir "${TARGET}" DIRECTORY)
file(MAKE_DIRECTORY "${target_dir}")
file(COPY_FILE "${SAMPLE}" "${TARGET}.sample-tmp")
file(RENAME "${TARGET}.sample-tmp" "${TARGET}")
file(WRITE "${STAMP}" "${sample_hash}\n")
