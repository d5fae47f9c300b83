# Desktop services.
