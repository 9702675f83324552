-- Information sheet of RA-22091 on 20.01.2026: the previous month is December
-- 2025 (1.12-31.12.2025), of the previous year.
-- Flying in December (ground counts at 0.5): 1.12 1:02 + 0:03 ground (1.5
-- -> 2, halves away from zero) and 31.12 1:01: 62 + 2 + 61 = 125 min ->
-- "2:05". 30.11.2025 and 5.01.2026 are outside the month.
-- Rows (standard sheet, no other components):
--  1 "ВС": 10003:07 and 1999:30 -> 10003 and 1999; one repair (АРЗ-3,
--    10.05.20). Left 25000 - 10003:07 = 14996:53 -> 14996; 2000 - 1999:30 =
--    0:30 -> "0" (below one hour).
--  2 "Первый двигатель" (position 0), never repaired: repairs, date, place
--    and hours since repair "-"; the second limit is the time to the first
--    overhaul, 1500 (not the 1000 between overhauls): left 6000 - 1200 = 4800
--    and 1500 - 1200 = 300.
--  3 "Второй двигатель" (position 1), repaired once: second limit 1000
--    between overhauls; no assigned life: "- / 1000" and remainder "-";
--    1000 - 1012:30 < 0 -> "0".
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8АМТ', '1', 0.5);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, DATA_IGOTOVLEN, REMONT_ZAVOD, REMONT_DATA, VSEGO_REMONTOV, RESURS_NAZN_CHASOV, MEZHREM_CHASOV, NARABOTKA_SNE, NARABOTKA_PPR, DATA_POSL_POLETA) VALUES ('Ми-8АМТ', 'RA-22091', '95091', '2000-03-15', 'АРЗ-3', '2020-05-10', 1, 25000, 2000, '10003:07', '1999:30', '2026-01-05');
INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, IZGOTOVLEN_DATA, REMONT_ZAVOD, REMONT_DATA, VSEGO_REMONTOV, NARABOTKA_SNE, NARABOTKA_PPR, GDE_STOIT, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, NAZNACHENNYI_CHASOV, ODIN_DVA) VALUES ('Ми-8АМТ', 'ТВ3-117ВМА', 'E92', '2012-07-08', 'АРЗ-12', '2022-01-01', 1, '5500:00', '1012:30', 'RA-22091', 1500, 1000, NULL, '1');
INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, IZGOTOVLEN_DATA, REMONT_ZAVOD, REMONT_DATA, VSEGO_REMONTOV, NARABOTKA_SNE, NARABOTKA_PPR, GDE_STOIT, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV, NAZNACHENNYI_CHASOV, ODIN_DVA) VALUES ('Ми-8АМТ', 'ТВ3-117ВМ', 'E91', '2015-06-07', NULL, NULL, 0, '1200:00', '1200:00', 'RA-22091', 1500, 1000, 6000, '0');
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8АМТ', 'RA-22091', '2025-11-30', '03:00', '00:00');
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8АМТ', 'RA-22091', '2025-12-01', '01:02', '00:03');
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8АМТ', 'RA-22091', '2025-12-31', '01:01', '00:00');
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8АМТ', 'RA-22091', '2026-01-05', '04:00', '00:00');
