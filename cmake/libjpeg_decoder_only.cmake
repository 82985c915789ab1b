# Run as the patch step of the libjpeg build, in its source folder: turns off in jmorecfg.h the
# decoder features that the picture button's two pictures (baseline, one scan, no subsampling,
# decoded at full size to RGB with the accurate integer IDCT) never use, so that their code is
# not built in. A picture that needed one would fail to decode and count as absent.
file(READ jmorecfg.h config)
foreach(feature DCT_IFAST DCT_FLOAT D_MULTISCAN_FILES D_PROGRESSIVE SAVE_MARKERS BLOCK_SMOOTHING
                IDCT_SCALING UPSAMPLE_MERGING QUANT_1PASS QUANT_2PASS)
  string(REGEX REPLACE "#define ${feature}_SUPPORTED" "#undef ${feature}_SUPPORTED" config
         "${config}")
endforeach()
file(WRITE jmorecfg.h "${config}")
