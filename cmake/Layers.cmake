# The source tree is in layers that only look down:
#   platform -> core -> config -> link -> ui -> (editors, shell) -> app
# Each layer's libraries publish an include root of their own holding just that
# layer's folder (build/include/<layer>/<layer> -> src/<layer>), so a file can
# only include "<layer>/Header.h" of the layers its library links. The check
# run by ctest (tests/layering) also reads every #include of src/.

# linnet_layer_includes(target layer): target publishes src/<layer> as "<layer>/...".
function(linnet_layer_includes target layer)
  set(root ${CMAKE_BINARY_DIR}/include/${layer})
  if(NOT EXISTS ${root}/${layer})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${layer} ${root}/${layer} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
