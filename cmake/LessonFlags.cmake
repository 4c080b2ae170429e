# The compiler flags every build of the lesson shares: the program's, the
# browser's (Emscripten) and the fuzz targets' (clang with libFuzzer).

# Warnings; errors too where LESSON_WERROR is on.
set(LESSON_WARNINGS -Wall -Wextra -Wpedantic)

# The sanitizers of the tests' second run and of the fuzz targets: any
# finding stops the program.
set(LESSON_SANITIZERS address,undefined,float-cast-overflow)
set(LESSON_SANITIZE_COMPILE -fsanitize=${LESSON_SANITIZERS} -fno-sanitize-recover=all
                            -fno-omit-frame-pointer)
set(LESSON_SANITIZE_LINK -fsanitize=${LESSON_SANITIZERS} -fno-sanitize-recover=all)
