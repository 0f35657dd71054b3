# Run at build time (cmake -P): writes OUTPUT as the shared part SHARED followed by one kind's part OWN.
file(READ ${SHARED} shared)
file(READ ${OWN} own)
file(WRITE ${OUTPUT} "${shared}${own}")
