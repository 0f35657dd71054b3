# Run at build time (cmake -P): writes OUTPUT as the source INPUT with each @NAME@ replaced by the value of the
# variable NAME given beside them (-DNAME=value); a source without any is copied as it is.
configure_file(${INPUT} ${OUTPUT} @ONLY)
