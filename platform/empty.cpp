// Keeps a platform library valid while its folder has no sources yet.
